#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds Parlino with its tests and runs the whole suite headless.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" test
export QT_QPA_PLATFORM=offscreen
cd "$root/build-tests"
ctest --output-on-failure -j2
