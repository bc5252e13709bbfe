#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program asked to terminate, one line per row. SIGTERM, SIGINT and SIGHUP end Parlino the
# orderly way, as File > Exit does: with no partner, exit status 0 at once, not the signal's
# default death; a signal ignored from the start (nohup) stays ignored. With a slow, silent reader
# (OpenBSD nc that calls and never writes, stopped before the text comes, its system answering all
# along), SIGTERM and SIGHUP deliver everything first: the window goes at once, the process stays
# until the reader, let go, has every byte, and exits with status 0. The user is played with
# xdotool on an X server of the script's own, and the whole runs in a network namespace of its
# own, where port 1981 is free.
#   terminate.sh PARLINO
set -u
parlino=$1
listening() {  # waits until it listens: at most 10 s
    for _ in $(seq 200); do ss -ltn | grep -q ':1981 ' && return; sleep 0.05; done
    echo "FAIL: parlino never listened"; kill -9 "$pid"; exit 1
}

case ${2:-} in
"")
    if ! unshare -n true 2>/dev/null; then
        echo "SKIPPED: cannot make a network namespace here"
        exit 0
    fi
    exec unshare -n "$0" "$parlino" namespace ;;

namespace)
    set -m  # job control, so that a job in the background is not told to ignore SIGINT
    ip link set lo up
    for signal in TERM INT HUP; do
        QT_QPA_PLATFORM=offscreen "$parlino" &
        pid=$!
        listening
        started=$(date +%s%N)
        kill -s "$signal" "$pid"
        wait "$pid"
        status=$?
        elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
        echo "SIG$signal, no partner: exit status $status after $elapsed ms"
        # Well under the 30 s a closing connection may linger: nothing is waited for here.
        [ "$status" -eq 0 ] && [ "$elapsed" -lt 10000 ] || { echo "FAIL"; exit 1; }
    done
    # Started under nohup, it outlives the terminal.
    nohup env QT_QPA_PLATFORM=offscreen "$parlino" >/dev/null 2>&1 &
    pid=$!
    listening
    kill -s HUP "$pid"
    sleep 0.5
    kill -0 "$pid" || { echo "FAIL: SIGHUP ended it under nohup"; exit 1; }
    kill -s TERM "$pid"
    wait "$pid"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$parlino" desktop ;;

desktop)
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do  # the window manager is up once it has claimed the root window
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    # What the user says: 40 characters, doubled ten times by copying and pasting in the box.
    printf 'Ann : ' >"$out/said"
    for _ in $(seq 1024); do printf 0123456789abcdefghijklmnopqrstuvwxyzABCD; done >>"$out/said"
    for row in "TERM C.UTF-8" "HUP de_DE.UTF-8"; do
        read -r signal language <<<"$row"
        LANG=$language QT_QPA_PLATFORM=xcb "$parlino" 2>/dev/null &
        pid=$!
        listening
        window=$(xdotool search --sync --onlyvisible --pid "$pid" --name .)
        nc.openbsd -d -I 4096 127.0.0.1 1981 >"$out/got" &
        reader=$!
        for _ in $(seq 200); do  # the question: at most 10 s
            question=$(xdotool search --onlyvisible --pid "$pid" --name . | grep -vx "$window") &&
                break
            sleep 0.05
        done
        [ -n "$question" ] || { echo "FAIL: no question"; kill -9 "$pid" "$reader"; exit 1; }
        kill -STOP "$reader"
        # Yes; then the Display Name box, before the list in the tab order, and the Message box.
        xdotool windowactivate --sync "$question" key Return
        xdotool windowactivate --sync "$window" key shift+Tab type Ann
        xdotool key Tab Tab Tab Tab Tab Tab type 0123456789abcdefghijklmnopqrstuvwxyzABCD
        for _ in $(seq 10); do xdotool key ctrl+a ctrl+c End ctrl+v; done
        xdotool key Tab space  # Send Message
        # The keys are taken in the program's own time: the signal comes once the text is on its
        # way, queued on either side of the connection (at most 10 s).
        for _ in $(seq 200); do
            ss -tnH state established '( sport = :1981 or dport = :1981 )' |
                awk '{ queued += $1 + $2 } END { exit !(queued > 0) }' && break
            sleep 0.05
        done
        started=$(date +%s%N)
        kill -s "$signal" "$pid"
        for _ in $(seq 100); do
            xdotool search --onlyvisible --pid "$pid" --name . >/dev/null || break
            sleep 0.05
        done
        gone=$(( ($(date +%s%N) - started) / 1000000 ))
        kill -0 "$pid" && stayed=yes || stayed=no
        kill -CONT "$reader"
        wait "$pid"
        status=$?
        elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
        wait "$reader"
        echo "SIG$signal under LANG=$language, slow silent reader: window gone after $gone ms," \
             "process still there: $stayed; exit status $status after $elapsed ms;" \
             "$(wc -c <"$out/got") of $(wc -c <"$out/said") bytes read"
        [ "$gone" -lt 5000 ] && [ $stayed = yes ] && [ "$status" -eq 0 ] &&
            cmp -s "$out/got" "$out/said" || { echo "FAIL"; kill $wm; exit 1; }
    done
    kill $wm ;;
esac
