#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures Parlino against its baselines and prints the README's Performance table.
#
#   scripts/bench.sh [--runs N] [--flood-mib N]        5 runs and 200 MiB unless told
#
# It runs in a network namespace of its own, so that port 1981 is free and no other traffic
# shares the loopback, with an Xvfb server. Each run measures, baseline beside Parlino:
# - start-up until listening and shown, offscreen and on Xvfb, of the real `parlino` against a
#   window with one line of text that listens (`parlino_bare_window`), their memory once
#   idle and the lines they print: with a desktop's fonts (Noto, CJK, colour emoji, URW), and
#   without them (a fontconfig file that hides them);
# - the figures measured inside one process, by the Qt Test benchmark `parlino_bench`;
# - the time until the port is open on a router in namespaces (tests/router.sh), through PCP,
#   NAT-PMP and UPnP, beside the router's own clients natpmpc and upnpc (`parlino_router_bench`).
# A row gives the median over the runs and, in brackets, the lowest and the highest run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-bench
runs=5 flood=200
while [ $# -ge 2 ] && [[ $1 =~ ^--(runs|flood-mib)$ ]]; do
    if [ "$1" = --runs ]; then runs=$2; else flood=$2; fi; shift 2
done
[ $# = 0 ] || { echo "usage: $0 [--runs N] [--flood-mib N]" >&2 && exit 2; }

if [ "${PARLINO_BENCH_NAMESPACE:-}" != 1 ]; then
    "$root/scripts/setup.sh" bench
    # The port opened on a router: the router and its network live in namespaces that
    # tests/router.sh makes, which needs the machine's root, so this runs before the rest.
    : >"$build/router-results.txt"
    for protocols in natpmp natpmp-only upnp; do
        echo "router: $protocols" >&2
        QT_PLUGIN_PATH=$build/src/app "$root/tests/router.sh" "$protocols" \
            "$build/bench/parlino_router_bench" "$protocols" "$runs" >>"$build/router-results.txt"
    done
    export PARLINO_BENCH_NAMESPACE=1
    exec unshare -rn sh -c 'ip link set lo up && exec "$@"' sh xvfb-run -a \
        -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" --runs "$runs" --flood-mib "$flood"
fi

bench=$build/bench/parlino_bench
results=$build/bench-results.txt
exec {nap}<> <(:)  # `read -t` on this waits without starting a process

# Microseconds from launching a program until it listens on 1981 and its event loop has taken a
# caller. Both programs stop listening then (Parlino to ask its user), so a refused second caller
# tells. Gives up after 10 s. What the program prints goes to $printed.
startup() {
    local start=${EPOCHREALTIME/./} caller="" probe us=fail
    "$@" >"$printed" 2>&1 &
    while [ "$us" = fail ] && [ "${EPOCHREALTIME/./}" -lt $((start + 10000000)) ]; do
        if [ -z "$caller" ]; then
            { exec {caller}<>/dev/tcp/127.0.0.1/1981; } 2>/dev/null || caller=""
        elif { exec {probe}<>/dev/tcp/127.0.0.1/1981; } 2>/dev/null; then
            exec {probe}>&-
        else
            us=$((${EPOCHREALTIME/./} - start))
        fi
        read -rt 0.0005 -u "$nap" || :
    done
    [ -z "$caller" ] || exec {caller}>&-
    { kill $! && wait $!; } 2>/dev/null || :
    echo "$us"
}

# Resident KiB of a program half a second after it began to listen on 1981.
idle_kib() {
    "$@" >/dev/null 2>&1 &
    for _ in $(seq 200); do
        grep -q ':07BD [0-9A-F]*:0000 0A' /proc/net/tcp /proc/net/tcp6 && break
        read -rt 0.05 -u "$nap" || :
    done
    read -rt 0.5 -u "$nap" || :
    echo $(($(cut -d' ' -f2 "/proc/$!/statm") * $(getconf PAGESIZE) / 1024))
    { kill $! && wait $!; } 2>/dev/null || :
}

printed=$build/printed.txt hidden=$build/no-desktop-fonts.conf
echo '<?xml version="1.0"?><fontconfig><include>/etc/fonts/fonts.conf</include><selectfont>
<rejectfont><glob>*/noto/*</glob><glob>*/urw-base35/*</glob></rejectfont></selectfont></fontconfig>' \
    >"$hidden"
load=$(cut -d' ' -f1-3 /proc/loadavg)
: >"$results"
for run in $(seq "$runs"); do
    echo "run $run of $runs" >&2
    order=(baseline parlino)
    [ $((run % 2)) = 1 ] || order=(parlino baseline)  # neither always goes first
    for fonts in desktop none; do
        unset FONTCONFIG_FILE
        [ $fonts = desktop ] || export FONTCONFIG_FILE=$hidden
        for who in "${order[@]}"; do
            program=("$build/bench/parlino_bare_window")
            [ "$who" = baseline ] || program=("$build/src/app/parlino")
            for platform in offscreen xcb; do
                echo "$run startup-$platform-$who-$fonts" \
                    "$(QT_QPA_PLATFORM=$platform startup "${program[@]}")"
            done
            echo "$run printed-$who-$fonts $(wc -l <"$printed")"  # on Xvfb, as on a desktop
            echo "$run memory-$who-$fonts $(QT_QPA_PLATFORM=offscreen idle_kib "${program[@]}")"
        done
    done >>"$results"
    unset FONTCONFIG_FILE
    # The TLS module is found as tests find it, where the build put it beside the program.
    PARLINO_BENCH_FLOOD_MIB=$flood QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$build/src/app \
        "$bench" -csv >"$results.csv" || echo "run $run: $? benchmark(s) failed" >&2
    awk -F, -v run="$run" '/^"/ { gsub(/"/, ""); gsub(/ /, "_", $2); print run, $1 "-" $2, $4 }' \
        "$results.csv" >>"$results"
done
grep -E '^[0-9]+ router-' "$build/router-results.txt" >>"$results" || :
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)
echo "$(nproc) × $cpu, $(free -g | awk '/^Mem/ { print $2 }') GiB, Linux $(uname -r);" \
    "load $load before and $(cut -d' ' -f1-3 /proc/loadavg) after; $runs runs"
echo "| # | Figure | Baseline | Parlino: median [lowest – highest run] | Target | |"
echo "|---|---|---|---|---|---|"

# figure | what | baseline | its key | Parlino's key | ratio, value or excess | scale | unit | target
awk 'function f(x) { return sprintf(x >= 100 ? "%.0f" : x >= 10 ? "%.1f" : "%.2f", x) }
    function median(a, n,   i, j, t) {
        for (i = 2; i <= n; i++)
            for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    FNR == NR { if ($3 ~ /^[0-9]/) value[$2 "@" $1] = $3; runs = $1 > runs ? $1 : runs; next }
    {
        split($0, s, "|"); nb = np = 0; delete b; delete p
        for (r = 1; r <= runs; r++) {
            base = value[s[4] "@" r]; ours = value[s[5] "@" r]
            if (base != "") b[++nb] = base * s[7]
            if (ours == "" || (s[6] != "value" && base == "")) continue
            p[++np] = s[6] == "ratio" ? ours / base : (ours - (s[6] == "excess" ? base : 0)) * s[7]
        }
        unit = s[6] == "ratio" ? "×" : " " s[8]
        baseline = s[3] (nb ? " " f(median(b, nb)) " " s[8] : "")
        if (!np) { printf "| %s | %s | %s | not measured | | |\n", s[1], s[2], baseline; next }
        m = median(p, np); goal = substr(s[9], 3)
        printf "| %s | %s | %s | %s%s%s [%s – %s] | %s | %s |\n", s[1], s[2], baseline,
            s[6] == "excess" ? "+" : "", f(m), unit, f(p[1]), f(p[np]),
            goal == "" ? "–" : (s[9] ~ /^</ ? "≤ " : "≥ ") (s[6] == "excess" ? "+" : "") goal unit,
            goal == "" ? "–" : (s[9] ~ /^</ ? m <= goal + 0 : m >= goal + 0) ? "met" : "missed"
    }' "$results" - <<TABLE
1|Start-up to listening and shown, offscreen, desktop fonts|window with a label|startup-offscreen-baseline-desktop|startup-offscreen-parlino-desktop|ratio|0.001|ms|<=1.10
1|Start-up, Xvfb, desktop fonts|window with a label|startup-xcb-baseline-desktop|startup-xcb-parlino-desktop|ratio|0.001|ms|<=1.10
1|Start-up, offscreen, no desktop fonts|window with a label|startup-offscreen-baseline-none|startup-offscreen-parlino-none|ratio|0.001|ms|<=1.10
1|Start-up, Xvfb, no desktop fonts|window with a label|startup-xcb-baseline-none|startup-xcb-parlino-none|ratio|0.001|ms|<=1.10
1|Lines printed at start, desktop fonts, Xvfb|window with a label|printed-baseline-desktop|printed-parlino-desktop|excess|1|lines|<=0
2|Latency, Send Message to the partner's list, p50|raw sockets|latency-raw_p50|latency-parlino_p50|ratio|1000|µs|<=2
2|Latency p99|raw sockets|latency-raw_p99|latency-parlino_p99|value|1|ms|<=2
3|Receiving $flood MiB into the list, byte-exact|raw read-and-discard|flood-discard|flood-parlino|ratio|9.5367431640625e-07|MiB/s|
3|Receiving $flood MiB, against keeping the bytes|raw read-and-keep|flood-keep|flood-parlino|ratio|9.5367431640625e-07|MiB/s|>=0.7
3|Receiving $flood MiB encrypted, against plain|the plain flood|flood-parlino|flood-parlino_encrypted|ratio|9.5367431640625e-07|MiB/s|>=0.8
4|Longest event-loop gap during that flood|raw read-and-discard|flood-discard_gap|flood-parlino_gap|value|1|ms|<=16
5|Idle memory above the baseline, desktop fonts|window with a label|memory-baseline-desktop|memory-parlino-desktop|excess|0.0009765625|MiB|<=3
5|Idle memory above the baseline, no desktop fonts|window with a label|memory-baseline-none|memory-parlino-none|excess|0.0009765625|MiB|<=3
5|Memory per MiB of ASCII received|raw read-and-keep|flood-keep_memory|flood-parlino_memory|value|9.5367431640625e-07|MiB|<=1.15
5|Memory per one-byte entry, beyond its byte|–||oneByteEntries-|value|1|bytes|<=8
5|Peak memory of a flood of 1.5 times the limit, cut off|a limit of 256 MiB||floodPastTheLimit-plain|value|3.7252902984619140625e-09|× the limit|<=1.10
5|The same flood, encrypted|a limit of 256 MiB||floodPastTheLimit-encrypted|value|3.7252902984619140625e-09|× the limit|<=1.10
6|100,000 entries: last 1,000 appends ÷ first 1,000|first 1,000|longConversation-first_1000|longConversation-last_1000|ratio|1|ms|<=1.5
6|100,000 entries: repaint|–||repaintEntry-long_conversation|value|1|ms|<=16
7|1 MiB line: append|short line|appendEntry-short_line|appendEntry-1_MiB_line|value|1|ms|<=20
7|1 MiB line: repaint|short line|repaintEntry-short_line|repaintEntry-1_MiB_line|value|1|ms|<=16
7|64 KiB arrival: append|short line|appendEntry-short_line|appendEntry-64_KiB_arrival|value|1|ms|<=20
7|64 KiB arrival: repaint|short line|repaintEntry-short_line|repaintEntry-64_KiB_arrival|value|1|ms|<=16
7|Every visible row a 64 KiB arrival: repaint|short line|repaintEntry-short_line|repaintEntry-64_KiB_in_every_row|value|1|ms|
8|A call on loopback until both can talk (encrypted: both show the code)|plain|handshake-plain|handshake-encrypted|value|1|ms|<=20
9|Port open on the router: PCP (a router of PCP and NAT-PMP)|natpmpc|router-natpmp-tool|router-natpmp-parlino|value|0.001|s|<=0.3
9|Port open on the router: NAT-PMP (a router of NAT-PMP alone)|natpmpc|router-natpmp-only-tool|router-natpmp-only-parlino|value|0.001|s|<=0.3
9|Port open on the router: UPnP IGD|upnpc|router-upnp-tool|router-upnp-parlino|value|0.001|s|<=2.5
TABLE
