#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the core tests (the socket component, the commands, the windows and list) under Valgrind's
# memcheck: any error, or any memory definitely lost, fails. Known noise from Qt and the system's
# libraries is suppressed in tests/valgrind.supp, each entry with its reason. Not part of
# scripts/test.sh; installs valgrind when it is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib.sh"
"$root/scripts/setup.sh" test
install_missing valgrind
export QT_QPA_PLATFORM=offscreen QT_ASSUME_STDERR_HAS_CONSOLE=1
status=0
for test in tst_net tst_chat tst_ui; do
    echo "== $test under valgrind"
    valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
        --show-leak-kinds=definite --num-callers=30 \
        --suppressions="$root/tests/valgrind.supp" --gen-suppressions=all \
        "$root/build-tests/tests/$test" || status=1
done
exit $status
