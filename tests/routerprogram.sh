#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program opens its port on the router and gives it back when it ends. Run on the LAN
# host of router.sh, one line per row: started with --open-port, Parlino has the router forward
# TCP 1981 to it within 10 s and the outside host reaches it through the router; SIGTERM, SIGHUP
# and File > Exit (the user played with xdotool on an X server of the script's own) end it with
# status 0 and the forward gone, so that the outside host is refused. Killed, it cannot give the
# port back: the forward stays, its lease at most an hour. Where the home network has IPv6 too,
# the router's pinhole to the LAN host's IPv6 address comes and goes with the forward, and the
# outside host reaches Parlino through it as well.
#   router.sh [--ipv6] all routerprogram.sh PARLINO
set -u
parlino=$1
ctl() { "$PARLINO_ROUTER_CTL" ctl "$@"; }
ipv6=${PARLINO_ROUTER_IPV6:-}
forwarded() { ctl rules | grep -qx "TCP 1981 10.0.0.2:1981"; }
pinholed() { [ -n "$ipv6" ] && ctl pinholes | grep -qx "TCP 1981 $ipv6"; }
opened() { forwarded && { [ -z "$ipv6" ] || pinholed; }; }
fail() { echo "FAIL: $*"; kill -9 "$pid" 2>/dev/null; exit 1; }
milliseconds_since() { echo $((($(date +%s%N) - $1) / 1000000)); }

# Starts Parlino and waits until the router forwards its port (and opens its pinhole): at most
# 10 s.
start() {
    "$parlino" --open-port 2>/dev/null &
    pid=$!
    local started
    started=$(date +%s%N)
    until opened; do
        kill -0 "$pid" 2>/dev/null || fail "parlino ended before the port was forwarded"
        [ "$(milliseconds_since "$started")" -lt 10000 ] ||
            fail "not open after 10 s: $(ctl rules; ctl pinholes)"
        sleep 0.05
    done
    echo "open after $(milliseconds_since "$started") ms, forwarded by" \
         "\"$(ctl leases | cut -d' ' -f5-)\"${ipv6:+, the pinhole to $ipv6 too}"
}
reached() {
    ctl call 1981 || fail "the outside host did not reach parlino through the router"
    [ -z "$ipv6" ] || ctl call 1981 "$ipv6" || fail "the outside host did not get through on IPv6"
}

# Ends Parlino the way named, by the command given, and checks that it gave the port back.
end() {
    local way=$1 started status
    shift
    started=$(date +%s%N)
    "$@"
    while kill -0 "$pid" 2>/dev/null; do
        [ "$(milliseconds_since "$started")" -lt 10000 ] || fail "$way: parlino still runs at 10 s"
        sleep 0.05
    done
    wait "$pid"
    status=$?
    echo "$way: exit status $status after $(milliseconds_since "$started") ms;" \
         "forwards left: $(ctl rules | wc -l), pinholes: $(ctl pinholes | wc -l)"
    [ "$status" -eq 0 ] || fail "exit status $status"
    ! forwarded || fail "the forward outlived parlino"
    ! pinholed || fail "the pinhole outlived parlino"
    ! ctl call 1981 || fail "the outside host still got through"
}

case ${2:-} in
"")
    export QT_QPA_PLATFORM=offscreen
    for signal in TERM HUP; do
        start
        reached
        end "SIG$signal" kill -s "$signal" "$pid"
    done
    start
    kill -9 "$pid"
    wait "$pid" 2>/dev/null
    lease=$(ctl leases | awk '$1 == "TCP" && $2 == 1981 { print $4 }')
    echo "SIGKILL: forward kept: $(forwarded && echo yes || echo no); lease left: $lease s;" \
         "pinholes: $(ctl pinholes | wc -l)"
    forwarded || fail "the forward went with a killed parlino"
    [ -z "$ipv6" ] || pinholed || fail "the pinhole went with a killed parlino"
    [ -n "$lease" ] && [ "$lease" -gt 0 ] && [ "$lease" -le 3600 ] || fail "lease of $lease s"
    ctl restart
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$parlino" desktop ;;

desktop)
    export QT_QPA_PLATFORM=xcb
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do  # the window manager is up once it has claimed the root window
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    start  # no call: its question would be a window of its own
    window=$(xdotool search --sync --onlyvisible --pid "$pid" --name .)
    # Alt reaches the menu bar and Down opens File; once it shows, Return takes its one item, Exit.
    xdotool windowactivate --sync "$window" key alt Down
    for _ in $(seq 200); do  # at most 10 s
        xdotool search --onlyvisible --pid "$pid" --name . | grep -qvx "$window" && break
        sleep 0.05
    done
    end "File > Exit" xdotool key Return
    kill "$wm"
    echo "PASS" ;;
esac
