#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the receive-path fuzzer (fuzz/fuzz_arrivals.cpp) with clang in build-fuzz/ and runs it,
# starting from the seeds in fuzz/corpus/. New inputs it finds go to build-fuzz/corpus/; a
# failing input is written to build-fuzz/ as crash-* and the script fails.
#
#   scripts/fuzz.sh [SECONDS]   fuzz for SECONDS (default 60)
#   scripts/fuzz.sh --brief     the test suite's short run: the seeds and 100,000 executions
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${PARLINO_JOBS:-2}

if [ "${1:-}" = --brief ]; then
    limits=(-runs=100000 -max_total_time=90)
else
    limits=(-max_total_time="${1:-60}")
fi

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (scripts/setup.sh test)"; exit 1; }
cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARLINO_FUZZ=ON -DBUILD_TESTING=OFF \
    -DPARLINO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$root/build-fuzz" -j"$jobs" --target fuzz_arrivals
mkdir -p "$root/build-fuzz/corpus"
cd "$root/build-fuzz"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
./fuzz/fuzz_arrivals "${limits[@]}" -max_len=4096 -print_final_stats=1 \
    corpus "$root/fuzz/corpus" >"$log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
    cat "$log"
    exit $status
fi
grep -E '^(Done|stat::number_of_executed_units)' "$log"
