#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SIGTERM, SIGINT and SIGHUP end Parlino the orderly way, as File > Exit does: exit status 0 at once
# (with no partner there is nothing to wait for), not the signal's default death; a signal
# ignored from the start (nohup) stays ignored. Runs the real program in a network namespace of its
# own, where port 1981 is free.
#   terminate.sh PARLINO
set -u
parlino=$1
if ! unshare -n true 2>/dev/null; then
    echo "SKIPPED: cannot make a network namespace here"
    exit 0
fi
exec unshare -n bash -s "$parlino" <<'INNER'
set -um  # job control, so that a job in the background is not told to ignore SIGINT
ip link set lo up
listening() {  # waits until it listens: at most 10 s
    for _ in $(seq 200); do ss -ltn | grep -q ':1981 ' && return; sleep 0.05; done
    echo "FAIL: parlino never listened"; kill -9 $pid; exit 1
}
for signal in TERM INT HUP; do
    QT_QPA_PLATFORM=offscreen "$1" &
    pid=$!
    listening
    started=$(date +%s%N)
    kill -s "$signal" "$pid"
    wait "$pid"
    status=$?
    elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
    echo "SIG$signal: exit status $status after $elapsed ms"
    # Well under the 30 s a closing connection may linger: nothing is waited for here.
    [ "$status" -eq 0 ] && [ "$elapsed" -lt 10000 ] || { echo "FAIL"; exit 1; }
done
# Started under nohup, it outlives the terminal.
nohup env QT_QPA_PLATFORM=offscreen "$1" >/dev/null 2>&1 &
pid=$!
listening
kill -s HUP "$pid"
sleep 0.5
kill -0 "$pid" || { echo "FAIL: SIGHUP ended it under nohup"; exit 1; }
kill -s TERM "$pid"
wait "$pid"
INNER
