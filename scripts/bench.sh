#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks and runs them all, printing one table (see docs/PERFORMANCE.md).
#
#   scripts/bench.sh [--runs N] [--flood-mib N] [--lines N] [--only startup,memory,...]
#
# Start-up is measured both headless (offscreen) and on an X server (Xvfb). The results also go
# to build-bench/bench-results.tsv and, when gnuplot is there, build-bench/bench-results.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-bench"

"$root/scripts/setup.sh" bench

tsv="$build/bench-results.tsv"
harness=("$build/bench/parlino_bench" --bindir "$build" --tsv "$tsv" "$@")
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        "${harness[@]}" --platforms offscreen,xcb
else
    echo "(no Xvfb: start-up is measured offscreen only)"
    "${harness[@]}" --platforms offscreen
fi

if command -v gnuplot >/dev/null && [ -s "$tsv" ]; then
    # Each figure as a share of its target: below the line at 1 is within the target.
    awk -F'\t' 'NR > 1 && $7 != "-" && $3 > 0 {
            if ($7 == "<=") { v = $3 / $8; lo = $4 / $8; hi = $5 / $8 }
            else { v = $8 / $3; lo = $8 / $5; hi = $8 / $4 }
            printf "%d\t\"%s %s\"\t%g\t%g\t%g\n", NR - 1, $1, $2, v, lo, hi }' "$tsv" \
        >"$build/bench-plot.dat"
    gnuplot <<GNUPLOT
set terminal pngcairo size 1100,650 font ",9"
set output "$build/bench-results.png"
set title "Parlino benchmarks: median and spread as a share of the target (below 1 is met)"
set style fill solid 0.6
set boxwidth 0.6
set yrange [0:*]
set xtics rotate by 35 right
set key off
set lmargin 16
set bmargin 14
set grid ytics
plot "$build/bench-plot.dat" using 1:3:xtic(2) with boxes lc rgb "#4a90d9", \
     "" using 1:3:4:5 with yerrorbars lc rgb "black" pt 0, \
     1 with lines lc rgb "red" lw 2
GNUPLOT
    echo "plot: $build/bench-results.png"
fi
