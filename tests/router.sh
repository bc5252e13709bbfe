#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A home router in network namespaces of the run's own, for the tests of opening a port on the
# router. miniupnpd is the gateway's daemon; COMMAND runs on the LAN host beside it, as root.
#
#   router.sh [--ipv6] PROTOCOLS COMMAND [ARGS...]
#
# PROTOCOLS, what the router answers: upnp (UPnP IGD: SSDP and SOAP), natpmp (NAT-PMP and PCP on
# UDP 5351: miniupnpd has no switch to part them), natpmp-only (a router of NAT-PMP alone: PCP's
# requests, version 2, are answered "unsupported version" in NAT-PMP's form), pcp-only (NAT-PMP's
# requests, version 0, are dropped unanswered), all (UPnP, NAT-PMP and PCP), none (no daemon:
# nothing answers).
#
#   LAN host 10.0.0.2 ---+                        +--- outside host 11.0.0.2
#   neighbour 10.0.0.3 --+-- 10.0.0.1 router 11.0.0.1
#
# The router forwards and masquerades its LAN to the outside, lets nothing in but what miniupnpd
# maps, and is the LAN hosts' default route. Nothing is linked to the machine's own network.
# With --ipv6 the networks also have IPv6 addresses, from the documentation prefix 3fff::/20 (in
# 2000::/3 as a global address is): router 3fff:1::1 and 3fff:2::1, LAN host 3fff:1::2, neighbour
# 3fff:1::3, outside host 3fff:2::2. The router routes them without translation and lets nothing
# in but the pinholes miniupnpd opens (UPnP IGD's WANIPv6FirewallControl, PCP over IPv6).
# COMMAND gets in its environment:
#   PARLINO_ROUTER_NS, PARLINO_OUTSIDE_NS, PARLINO_NEIGHBOUR_NS  the namespaces' names
#   PARLINO_ROUTER_CONF, PARLINO_ROUTER_LOG  miniupnpd's configuration and its log (every request)
#   PARLINO_ROUTER_IPV6  with --ipv6, the LAN host's IPv6 address; empty without
#   PARLINO_ROUTER_CTL  this script, for these commands:
#     ctl rules        the router's forwards, one line a mapping: "TCP 1981 10.0.0.2:1981"
#     ctl leases       what miniupnpd remembers: "TCP 1981 10.0.0.2:1981 SECONDS_LEFT DESCRIPTION"
#     ctl pinholes     the router's IPv6 pinholes, one line each: "TCP 1981 3fff:1::2"
#     ctl call PORT [ADDRESS]  the outside host connects to PORT of ADDRESS (11.0.0.1 unless
#                      told): status 0 when it connected, 1 when refused or not within 3 s
#     ctl occupy PORT  the neighbour maps the router's TCP PORT to its own PORT (UPnP or NAT-PMP)
#     ctl restart      the router restarts and forgets every mapping; back once it answers,
#                      with PARLINO_ROUTER_CONF read again (a test may change it first)
# The exit status is COMMAND's. Everything made is gone at the end, also after a failure or ^C;
# what a killed run left behind is removed by the next one. Without the right to make network
# namespaces it prints "SKIPPED: ..." and exits with status 0.
set -u
self=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")
http_port=5000  # miniupnpd's description and control, http://10.0.0.1:5000/rootDesc.xml
unsupported_port=5352  # where a router of NAT-PMP alone answers PCP

fail() { echo "router.sh: FAIL: $*" >&2; exit 1; }
in_ns() { ip netns exec "$@"; }

# The forwarding rules miniupnpd keeps in the router, in a form that needs no nft to read.
rules() {
    in_ns "$1" nft list chain inet filter prerouting_miniupnpd | grep dnat | sed -E \
        -e 's/.*(@nh,72,8 0x6|tcp) .*dport ([0-9]+) dnat ip to ([0-9.]+:[0-9]+).*/TCP \2 \3/' \
        -e 's/.*(@nh,72,8 0x11|udp) .*dport ([0-9]+) dnat ip to ([0-9.]+:[0-9]+).*/UDP \2 \3/' \
        -e 's/^[[:space:]]+//'
}

# The IPv6 pinholes miniupnpd keeps in the router: each rule's protocol, port and destination,
# which nft gives as 32 hexadecimal digits, written the short way (RFC 5952).
pinholes() {
    local proto port hex groups address run n
    in_ns "$1" nft list chain inet filter miniupnpd | sed -nE \
        -e 's/.* dport ([0-9]+) @nh,192,128 0x([0-9a-f]{32}) .*@nh,48,8 0x6 .*/TCP \1 \2/p' \
        -e 's/.* dport ([0-9]+) @nh,192,128 0x([0-9a-f]{32}) .*@nh,48,8 0x11 .*/UDP \1 \2/p' |
    while read -r proto port hex; do
        groups=""
        for n in 0 4 8 12 16 20 24 28; do groups+=":$(printf %x "0x${hex:n:4}")"; done
        address=$groups:
        for n in 8 7 6 5 4 3 2; do  # the longest run of zero groups, the first of equals
            run=$(printf ':0%.0s' $(seq "$n")):
            [[ $address == *"$run"* ]] && address=${address/"$run"/::} && break
        done
        [[ $address == ::* ]] || address=${address#:}
        [[ $address == *:: ]] || address=${address%:}
        echo "$proto $port $address"
    done
}

# Waits until miniupnpd, a process other than OLD_PID, listens on every socket PROTOCOLS needs:
# at most 5 s.
await_daemon() {
    local old=$1 pid sockets end=$((SECONDS + 5))
    while [ "$SECONDS" -le "$end" ]; do
        pid=$(cat "$dir/miniupnpd.pid" 2>/dev/null) && [ -n "$pid" ] && [ "$pid" != "$old" ] &&
            sockets=$(in_ns "$gw" ss -Hlnptu | grep "pid=$pid,") &&
            { ! upnp ||
              { grep -q ":$http_port " <<<"$sockets" && grep -q ":1900 " <<<"$sockets"; }; } &&
            { ! natpmp || grep -q "10.0.0.1:5351 " <<<"$sockets"; } &&
            { [ "$protocols" != natpmp-only ] ||
              in_ns "$gw" ss -Hlnu | grep -q "10.0.0.1:$unsupported_port "; } && return 0
        sleep 0.02
    done
    tail -n 20 "$dir/miniupnpd.log" >&2
    fail "miniupnpd did not get ready in 5 s"
}
upnp() { [[ $protocols == @(upnp|all) ]]; }
natpmp() { [[ $protocols == @(natpmp|natpmp-only|pcp-only|all) ]]; }

ctl() {
    local gw=${PARLINO_ROUTER_NS:?ctl runs under router.sh} out=$PARLINO_OUTSIDE_NS
    local dir protocols old
    dir=$(dirname "$PARLINO_ROUTER_CONF")
    protocols=$(cat "$dir/protocols")
    case ${1:-} in
    rules) rules "$gw" ;;
    leases)
        [ -s "$dir/leases" ] || return 0
        local now proto ext client port expiry description
        now=$(date +%s)
        while IFS=: read -r proto ext client port expiry description; do
            echo "$proto $ext $client:$port $((expiry - now)) $description"
        done <"$dir/leases" ;;
    pinholes) pinholes "$gw" ;;
    call) in_ns "$out" nc -z -w 3 "${3:-11.0.0.1}" "${2:?ctl call PORT}" 2>/dev/null ;;
    occupy)
        local port=${2:?ctl occupy PORT}
        if upnp; then
            in_ns "$PARLINO_NEIGHBOUR_NS" upnpc -u "http://10.0.0.1:$http_port/rootDesc.xml" \
                -e neighbour -a 10.0.0.3 "$port" "$port" TCP 3600 | grep -q "is redirected"
        elif [[ $protocols == @(natpmp|natpmp-only) ]]; then
            in_ns "$PARLINO_NEIGHBOUR_NS" natpmpc -a "$port" "$port" tcp 3600 | grep -q "^Mapped"
        else
            fail "ctl occupy needs UPnP or NAT-PMP"
        fi ;;
    restart)
        [ "$protocols" = none ] && return 0
        old=$(cat "$dir/miniupnpd.pid")
        touch "$dir/restart"
        kill "$old"
        await_daemon "$old" ;;
    *) fail "unknown: ctl $*" ;;
    esac
}

if [ "${1:-}" = ctl ]; then
    shift
    ctl "$@"
    exit
fi

ipv6=no
[ "${1:-}" = --ipv6 ] && ipv6=yes && shift
protocols=${1:?router.sh [--ipv6] PROTOCOLS COMMAND [ARGS...]}
shift
[[ $protocols == @(upnp|natpmp|natpmp-only|pcp-only|all|none) ]] ||
    fail "unknown PROTOCOLS $protocols"
[ $# -gt 0 ] || fail "no COMMAND"
if ! unshare -n true 2>/dev/null; then
    echo "SKIPPED: cannot make a network namespace here"
    exit 0
fi
for tool in miniupnpd nft ss nc upnpc natpmpc flock; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh test)"
done

# A run holds the lock in its folder for as long as it lives; namespaces whose run holds none
# were left by a run that was killed (CTest's timeout kills with SIGKILL): they go now.
for ns in $(ip netns list | sed -nE 's/^(parlino-router-[0-9]+-[a-z]+).*/\1/p'); do
    lock=/tmp/${ns%-*}/lock
    if [ ! -e "$lock" ] || flock -n "$lock" true; then
        ip netns pids "$ns" | xargs -r kill -9
        ip netns del "$ns"
        rm -rf "/tmp/${ns%-*}"
    fi
done

name=parlino-router-$$
dir=/tmp/$name
rm -rf "$dir"
mkdir -m 700 "$dir" || fail "cannot make $dir"
exec 9>"$dir/lock"
flock -n 9 || fail "another run holds $dir"
lan=$name-lan neighbour=$name-neighbour gw=$name-gw out=$name-out
keeper=""

cleanup() {
    local status=$? ns
    trap - EXIT INT TERM HUP
    rm -f "$dir/restart"
    for ns in "$lan" "$neighbour" "$out" "$gw"; do
        [ -e "/run/netns/$ns" ] && ip netns pids "$ns" | xargs -r kill -9 2>/dev/null
    done
    for ns in "$lan" "$neighbour" "$out" "$gw"; do
        [ -e "/run/netns/$ns" ] && echo "netns del $ns"
    done | ip -batch -
    [ -n "$keeper" ] && wait "$keeper" 2>/dev/null
    rm -rf "$dir"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

if ! printf 'netns add %s\n' "$gw" "$lan" "$neighbour" "$out" | ip -batch - 2>/dev/null; then
    echo "SKIPPED: cannot make a network namespace here"
    exit 0
fi
# The LAN is a bridge in the router, "lan", with the two hosts on it; the outside one cable, "wan".
ip -n "$gw" -batch - <<EOF || fail "the router's links"
link set lo up
link add lan type bridge
link add lan-host type veth peer name eth0 netns $lan
link add lan-neighbour type veth peer name eth0 netns $neighbour
link add wan type veth peer name eth0 netns $out
link set lan-host master lan
link set lan-neighbour master lan
addr add 10.0.0.1/24 dev lan
addr add 11.0.0.1/24 dev wan
link set lan up
link set lan-host up
link set lan-neighbour up
link set wan up
EOF
for host in "$lan 10.0.0.2" "$neighbour 10.0.0.3" "$out 11.0.0.2"; do
    read -r ns address <<<"$host"
    ip -n "$ns" -batch - <<EOF || fail "the links of $ns"
link set lo up
addr add $address/24 dev eth0
link set eth0 up
EOF
done
ip -n "$lan" route add default via 10.0.0.1
ip -n "$neighbour" route add default via 10.0.0.1
in_ns "$gw" sysctl -qw net.ipv4.ip_forward=1
if [ "$ipv6" = yes ]; then
    # At once, not after the seconds of duplicate address detection.
    for host in "$gw lan 3fff:1::1" "$gw wan 3fff:2::1" "$lan eth0 3fff:1::2 3fff:1::1" \
                "$neighbour eth0 3fff:1::3 3fff:1::1" "$out eth0 3fff:2::2 3fff:2::1"; do
        read -r ns link address router <<<"$host"
        ip -n "$ns" addr add "$address/64" dev "$link" nodad
        [ -z "$router" ] || ip -n "$ns" -6 route add default via "$router"
    done
    in_ns "$gw" sysctl -qw net.ipv6.conf.all.forwarding=1
fi

# The chains miniupnpd fills, and what a home router does beside them.
# The first byte of a request on UDP 5351 is its version: 0 NAT-PMP, 2 PCP. Where it goes is
# decided by a flow's first packet: its next ones from the same socket go the same way.
pcp='' natpmp=''
case $protocols in
natpmp-only) pcp="udp dport 5351 @th,64,8 2 redirect to :$unsupported_port" ;;
pcp-only) natpmp='udp dport 5351 @th,64,8 0 drop' ;;
esac
in_ns "$gw" nft -f - <<EOF || fail "nft"
table inet filter {
    chain pcp {
        type nat hook prerouting priority -150; policy accept;
        $pcp
    }
    chain natpmp {
        type filter hook input priority 0; policy accept;
        $natpmp
    }
    chain forward {
        type filter hook forward priority 0; policy drop;
        ct state established,related accept
        iifname "lan" oifname "wan" accept
        jump miniupnpd
    }
    chain miniupnpd {
    }
    chain prerouting {
        type nat hook prerouting priority -100; policy accept;
        jump prerouting_miniupnpd
    }
    chain postrouting {
        type nat hook postrouting priority 100; policy accept;
        jump postrouting_miniupnpd
        oifname "wan" masquerade
    }
    chain prerouting_miniupnpd {
    }
    chain postrouting_miniupnpd {
    }
}
EOF

yes_no() { "$1" && echo yes || echo no; }
echo "$protocols" >"$dir/protocols"
cat >"$dir/miniupnpd.conf" <<EOF
ext_ifname=wan
ext_ip=11.0.0.1
listening_ip=lan
http_port=$http_port
enable_upnp=$(yes_no upnp)
enable_natpmp=$(yes_no natpmp)
$([ "$ipv6" = yes ] && echo ext_ifname6=wan || echo ipv6_disable=yes)
secure_mode=yes
lease_file=$dir/leases
uuid=3d3cec3a-8cf0-11e0-98ee-001a6bd2d07b
allow 1024-65535 10.0.0.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
EOF
: >"$dir/miniupnpd.log"

# miniupnpd in the foreground, each request in its log; when told to restart, the router forgets
# like one switched off and on: its rules and its lease file.
serve() {
    while :; do
        in_ns "$gw" miniupnpd -f "$dir/miniupnpd.conf" -d -P "$dir/miniupnpd.pid" \
            2>>"$dir/miniupnpd.log"
        [ -e "$dir/restart" ] || return
        for chain in miniupnpd prerouting_miniupnpd postrouting_miniupnpd; do
            in_ns "$gw" nft flush chain inet filter "$chain"
        done
        rm -f "$dir/leases" "$dir/restart"
    done
}
if [ "$protocols" = natpmp-only ]; then
    # NAT-PMP's answer to a version it does not know: version 0, opcode 128, result 1
    # (unsupported version), 0 seconds since its start.
    (in_ns "$gw" ncat -u -l -k 10.0.0.1 "$unsupported_port" \
        --sh-exec 'printf "\000\200\000\001\000\000\000\000"') 9>&- 2>/dev/null &
fi
if [ "$protocols" != none ]; then
    serve 9>&- &
    keeper=$!
    await_daemon ""
fi

PARLINO_ROUTER_NS=$gw PARLINO_OUTSIDE_NS=$out PARLINO_NEIGHBOUR_NS=$neighbour \
PARLINO_ROUTER_CONF=$dir/miniupnpd.conf PARLINO_ROUTER_LOG=$dir/miniupnpd.log \
PARLINO_ROUTER_IPV6=$([ "$ipv6" = yes ] && echo 3fff:1::2) \
PARLINO_ROUTER_CTL=$self in_ns "$lan" "$@" 9>&-
