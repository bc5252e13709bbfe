#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds Parlino with its tests and runs the whole suite headless. Then the
# receive-path fuzzer briefly over its seed corpus (build-fuzz/), and last the same suite again,
# built with AddressSanitizer and UndefinedBehaviorSanitizer with leak checks on (build-asan/).
# Then the Windows build: its tests and its installer under Wine (build-windows/).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${PARLINO_JOBS:-2}
"$root/scripts/setup.sh" test
export QT_QPA_PLATFORM=offscreen

echo "== Test suite"
(cd "$root/build-tests" && ctest --output-on-failure -j"$jobs")
# The figures the stress tests measured.
grep -hE '^QINFO.*tst_(E2e|Ui)' "$root/build-tests/Testing/Temporary/LastTest.log" |
    sed -E 's/^QINFO *: tst_(E2e|Ui)::/  /' || true

echo "== Fuzzer on the receive path"
"$root/scripts/fuzz.sh" --brief

echo "== Test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPARLINO_SANITIZE=ON \
    -DBUILD_TESTING=ON -DPARLINO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
# Not again here: the checks of files, texts and the test bed; the desktops' tests, which run
# without leak checks anyway; and of the real router's tests only the PCP one (tst_gateway runs
# NAT-PMP's and UPnP's code here, against its own routers).
(cd "$root/build-asan" && ctest --output-on-failure -j"$jobs" -E \
    '^(translations_complete|install_tree_validates|command_line|tst_desktop|tst_wayland|router_.*|tst_router_(ipv6|natpmp|upnp|none))$')

echo "== Windows build, its tests and its installer under Wine"
"$root/scripts/test-windows.sh"
