#!/bin/sh
# SPDX-License-Identifier: MIT
# The command line of the real program, with no display: --help and --version answer, in every
# language the program speaks, every line of it; anything Qt does not take and Parlino does not
# know is an error, with status 2, also before the display is missed; the missing display is one
# line, in every language, with status 1.
#   commandline.sh PARLINO SOURCE_DIR VERSION
parlino=$1
fail() { echo "FAIL: $*"; exit 1; }
[ "$("$parlino" --version)" = "Parlino $3" ] || fail "--version"
"$parlino" --help | grep -q "^Usage: .*parlino \[options\]$" || fail "--help"
"$parlino" --help | grep -q "port 1981" || fail "--help describes the program"
out=$("$parlino" -platform offscreen -style fusion --bogus 2>&1)
[ $? -eq 2 ] && echo "$out" | grep -qx "parlino: Unknown option 'bogus'. Try 'parlino --help'." ||
    fail "unknown option: $out"
out=$("$parlino" -style fusion --bogus 2>&1)
[ $? -eq 2 ] && [ "$out" = "parlino: Unknown option 'bogus'. Try 'parlino --help'." ] ||
    fail "unknown option without a display: $out"
out=$("$parlino" -style fusion -geometry 300x200 2>&1)
[ $? -eq 1 ] && [ "$(echo "$out" | wc -l)" -eq 1 ] && echo "$out" | grep -q "^parlino: No display" ||
    fail "no display: $out"
for ts in "$2"/translations/parlino_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#parlino_}
    LC_ALL=$language.UTF-8 "$parlino" --help | grep -e Usage -e Displays &&
        fail "--help not translated in $language"
    LC_ALL=$language.UTF-8 "$parlino" 2>&1 | grep "No display" && fail "no display in $language"
done
echo "PASS"
