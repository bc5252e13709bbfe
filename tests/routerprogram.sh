#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program opens its port on the router and gives it back when it ends. Run on the LAN
# host of router.sh, one line per row: started with --open-port, Parlino has the router forward
# TCP 1981 to it within 10 s and the outside host reaches it through the router; SIGTERM and
# SIGHUP end it with status 0 and the forward gone, so that the outside host is refused. Killed,
# it cannot give the port back: the forward stays, its lease at most an hour.
#   router.sh all routerprogram.sh PARLINO
set -u
parlino=$1
ctl() { "$PARLINO_ROUTER_CTL" ctl "$@"; }
forwarded() { ctl rules | grep -qx "TCP 1981 10.0.0.2:1981"; }
fail() { echo "FAIL: $*"; kill -9 "$pid" 2>/dev/null; exit 1; }

# Starts Parlino and waits until the router forwards its port: at most 10 s.
start() {
    QT_QPA_PLATFORM=offscreen "$parlino" --open-port 2>/dev/null &
    pid=$!
    started=$(date +%s%N)
    for _ in $(seq 200); do
        forwarded && break
        kill -0 "$pid" 2>/dev/null || fail "parlino ended before the port was forwarded"
        sleep 0.05
    done
    forwarded || fail "no forward after 10 s: $(ctl rules)"
    elapsed=$((($(date +%s%N) - started) / 1000000))
    ctl call 1981 || fail "the outside host did not reach parlino through the router"
    echo "forwarded after $elapsed ms by \"$(ctl leases | cut -d' ' -f5-)\";" \
         "the outside host reached it"
}

for signal in TERM HUP; do
    start
    started=$(date +%s%N)
    kill -s "$signal" "$pid"
    wait "$pid"
    status=$?
    elapsed=$((($(date +%s%N) - started) / 1000000))
    echo "SIG$signal: exit status $status after $elapsed ms; forwards left: $(ctl rules | wc -l)"
    [ "$status" -eq 0 ] || fail "exit status $status"
    ! forwarded || fail "the forward outlived parlino"
    ! ctl call 1981 || fail "the outside host still got through"
done

start
kill -9 "$pid"
wait "$pid" 2>/dev/null
lease=$(ctl leases | awk '$1 == "TCP" && $2 == 1981 { print $4 }')
echo "SIGKILL: forward kept: $(forwarded && echo yes || echo no); lease left: $lease s"
forwarded || fail "the forward went with a killed parlino"
[ -n "$lease" ] && [ "$lease" -gt 0 ] && [ "$lease" -le 3600 ] || fail "lease of $lease s"
echo "PASS"
