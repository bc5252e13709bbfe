#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# router.sh itself, with miniupnpd's own clients in Parlino's place: what its commands say is
# what the router does, so that a test that finds no forward has not been told nothing by a
# command that failed. A forward made by UPnP or NAT-PMP shows, carries the outside host's call
# to the LAN host, and goes when deleted or when the router restarts; the neighbour takes a port.
# With IPv6, so does a pinhole.
#   router.sh [--ipv6] all routerfixture.sh
set -u
ctl() { "$PARLINO_ROUTER_CTL" ctl "$@"; }
fail() { echo "FAIL: $*"; exit 1; }
upnp=(upnpc -u http://10.0.0.1:5000/rootDesc.xml)

"${upnp[@]}" -e test -a 10.0.0.2 1981 1981 TCP 600 >/dev/null
[ "$(ctl rules)" = "TCP 1981 10.0.0.2:1981" ] || fail "UPnP's forward: $(ctl rules)"
ctl leases | grep -Eqx "TCP 1981 10.0.0.2:1981 (59[0-9]|600) test" || fail "lease: $(ctl leases)"
! ctl call 1981 || fail "a call to a port nobody listens on got through"
nc -l 1981 >/dev/null &
listener=$!
for _ in $(seq 100); do ss -ltnH | grep -q ':1981 ' && break; sleep 0.02; done
ctl call 1981 || fail "the outside host's call did not get through"
wait "$listener"
"${upnp[@]}" -d 1981 TCP >/dev/null
[ -z "$(ctl rules)" ] || fail "UPnP's forward stayed after its deletion: $(ctl rules)"

ipv6=${PARLINO_ROUTER_IPV6:-}
if [ -n "$ipv6" ]; then
    pinhole=$(upnpc -6 -u "http://[3fff:1::1]:5000/rootDesc.xml" -A "" 0 "$ipv6" 1984 TCP 600 |
              sed -n 's/.*Pinhole ID = //p')
    [ "$(ctl pinholes)" = "TCP 1984 $ipv6" ] || fail "the pinhole: $(ctl pinholes)"
    nc -6 -l 1984 >/dev/null &
    listener=$!
    for _ in $(seq 100); do ss -ltnH | grep -q ':1984 ' && break; sleep 0.02; done
    ctl call 1984 "$ipv6" || fail "the outside host's call did not get through the pinhole"
    wait "$listener"
    upnpc -6 -u "http://[3fff:1::1]:5000/rootDesc.xml" -D "$pinhole" >/dev/null
    [ -z "$(ctl pinholes)" ] || fail "the pinhole stayed after its deletion: $(ctl pinholes)"
fi

natpmpc -a 1982 1982 tcp 60 >/dev/null
[ "$(ctl rules)" = "TCP 1982 10.0.0.2:1982" ] || fail "NAT-PMP's forward: $(ctl rules)"
ctl restart || fail "restart"
[ -z "$(ctl rules)$(ctl leases)" ] || fail "the restarted router remembers: $(ctl rules)"
natpmpc -a 1982 1982 tcp 60 | grep -q "^Mapped" || fail "the restarted router does not answer"

ctl occupy 1983 || fail "occupy"
ctl rules | grep -qx "TCP 1983 10.0.0.3:1983" || fail "the neighbour's forward: $(ctl rules)"
echo "PASS"
