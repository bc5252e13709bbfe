#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Qt Test suite under machine variations: other fonts, font rendering, scale, locale and
# widget style. One line per variation on stdout; the full output of each run, and what the
# variation really changed, in build-tests/variations/<variation>.log. Fails if any variation did.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib.sh"
jobs=${PARLINO_JOBS:-2}
out=$root/build-tests/variations
mkdir -p "$out"
"$root/scripts/setup.sh" test >"$out/setup.log" 2>&1 || { cat "$out/setup.log" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# What a variation changes, as the locale and fontconfig see it (in the variation's shell).
# shellcheck disable=SC2016
describe='echo "LANG=${LANG-} LC_ALL=${LC_ALL-} FONTCONFIG_FILE=${FONTCONFIG_FILE-}" \
    "QT_SCALE_FACTOR=${QT_SCALE_FACTOR-} QT_STYLE_OVERRIDE=${QT_STYLE_OVERRIDE-}"
locale 2>&1 | grep -E "^LC_CTYPE|^LC_MESSAGES|annot"
echo "fc-match sans-serif: $(fc-match sans-serif)"
echo "(hintstyle 1 slight, 3 full; rgba 1 rgb)"
fc-match -v sans-serif | grep -E "^\s*(antialias|hintstyle|rgba|lcdfilter):"
echo "fonts: $(fc-list | wc -l), of them Noto or Droid: $(fc-list | grep -ciE "noto|droid")"'

failed=0
# run NAME [VAR=value | -u VAR]...: the suite with the environment changed so.
run() {
    local name=$1 log=$out/$1.log what
    shift
    { echo "== $name: env $*"; env "$@" sh -c "$describe"; echo; } >"$log" 2>&1
    if (cd "$root/build-tests" && env "$@" ctest -R '^tst_' --output-on-failure -j"$jobs") \
        >>"$log" 2>&1; then
        echo "PASS  $name"
        return
    fi
    failed=1
    # The failed test functions with their data rows, else the CTest tests that failed.
    what=$(sed -n 's/^FAIL!  : \([^(]*([^)]*)\).*/\1/p' "$log" |
        awk '!seen[$0]++ { printf "%s%s", n++ ? ", " : "", $0 }')
    [ -n "$what" ] ||
        what=$(sed -n 's/^[[:space:]]*[0-9]* - \(tst_[^ ]*\) .*/\1/p' "$log" | paste -sd' ')
    echo "FAIL  $name: ${what:-see $log}"
}

run baseline

# The fonts a desktop usually has, and a German locale.
wanted=(fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji fonts-droid-fallback locales)
install_missing "${wanted[@]}" >/dev/null
locale -a | grep -qix 'de_DE\.utf-\?8' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8

# Subpixel antialiasing with full hinting, and a sans family other than the usual one.
usual=$(fc-match -f '%{family[0]}' sans-serif)
other="DejaVu Sans"
[ "$usual" != "$other" ] || other="Noto Sans"
cat >"$out/subpixel.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="no">/etc/fonts/fonts.conf</include>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintfull</const></edit>
    <edit name="rgba" mode="assign"><const>rgb</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcddefault</const></edit>
  </match>
  <alias binding="strong"><family>sans-serif</family><prefer><family>$other</family></prefer></alias>
</fontconfig>
EOF
# The desktop font packages left out, without removing them.
cat >"$out/no-desktop-fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="no">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont>
    <glob>/usr/share/fonts/*/noto/*</glob>
    <glob>/usr/share/fonts/*/droid/*</glob>
  </rejectfont></selectfont>
</fontconfig>
EOF

run subpixel-hintfull-"${other// /-}" FONTCONFIG_FILE="$out/subpixel.conf"
run desktop-fonts
run no-desktop-fonts FONTCONFIG_FILE="$out/no-desktop-fonts.conf"
run scale-1.5 QT_SCALE_FACTOR=1.5
run lang-C.UTF-8 -u LC_ALL -u LANGUAGE LANG=C.UTF-8
run lang-de_DE.UTF-8 -u LC_ALL -u LANGUAGE LANG=de_DE.UTF-8
run style-Windows QT_STYLE_OVERRIDE=Windows
exit $failed
