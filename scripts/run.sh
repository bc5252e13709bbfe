#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds Parlino and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" run
exec "$root/build/src/app/parlino" "$@"
