#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build under Wine: builds Parlino and its Qt Test programs for Windows
# (scripts/build-windows.sh --tests), runs the tests on the offscreen platform, then installs the
# NSIS package silently, starts the installed program on an X server of its own, calls it on port
# 1981, waits for its question and uninstalls it. Wine's prefix is build-windows/wine.
#
# All of it runs in a network namespace of its own (as root, or in a user namespace), so port 1981
# and every connection stay inside it.
#   PARLINO_SCREENSHOT=FILE   where the screen is saved while the question shows
#                             (build-windows/screen.png when unset)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build-windows

if [ "${PARLINO_OWN_NETWORK:-}" != 1 ]; then
    "$root/scripts/build-windows.sh" --tests
    own=(unshare --net)
    [ "$(id -u)" -eq 0 ] || own=(unshare --net --map-root-user)
    # Wine's server holds the sockets: none may be left running outside the namespace.
    WINEPREFIX=$out/wine wineserver -k 2>/dev/null || true
    exec "${own[@]}" env PARLINO_OWN_NETWORK=1 "$0" "$@"
fi
ip link set lo up

# Waits up to 30 s for a condition, a command line.
until_true() {
    for _ in $(seq 300); do
        eval "$1" && return 0
        sleep 0.1
    done
    echo "test-windows: timed out waiting for: $1" >&2
    return 1
}

# An X server of its own, there before any Windows program: Wine's desktop takes the display that
# its first program finds.
rm -f "$out/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$out/display" 2>/dev/null &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb' EXIT
until_true '[ -s "$out/display" ]'
DISPLAY=:$(cat "$out/display")
export DISPLAY

# Wine passes QT_ variables to Windows programs only with a WINE prefix. Its prefix stays in the
# build folder, and without its menu builder the installer adds nothing to the user's menus.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== Wine prefix"
    wine wineboot --init >/dev/null 2>&1
fi

# The test programs beside the deployed folder, with Qt Test and the offscreen platform.
tests=$out/tests
rm -rf "$tests"
cp -r "$out/Parlino" "$tests"
cp "$out"/build/tst_*.exe "$out/qt6-mingw/bin/Qt6Test.dll" "$tests/"
cp "$out/qt6-mingw/plugins/platforms/qoffscreen.dll" "$tests/platforms/"

# What cannot be tested under Wine, a test function (or one data row of it) each, and why; the
# README names them too.
namespace="a network namespace of the test's own, which only Linux has"
declare -A wine_cannot=(
    ["tst_net vanishedPartner_isNoticed:idle"]=$namespace
    ["tst_net vanishedPartner_isNoticed:text waiting"]=$namespace
    ["tst_net vanishedPartner_isNoticed:text sent later"]=$namespace
    ["tst_e2e resetMidText_keepsItsStart"]="Wine reports a reset as an \
orderly close and then signals none of the rest of the stream"
    ["tst_chat caller_pastFiveCallsAMinute_turnedAwayUnasked"]="Wine's recv() returns 0, \
an orderly end, after the partner's reset, which the caller turned away must see"
)
# The partners played by openssl and ncat, which are Linux programs here.
for row in "caller: stops half way" "caller: an alert, rejecting the certificate" \
    "caller: an oversized certificate" "caller: TLS 1.1"; do
    wine_cannot["tst_tls partner:$row"]="openssl and ncat run on Linux"
done
wine_cannot["tst_tls relayWithoutParlinoProtocol_bothWarn_noShownValueMatches"]="the relay is \
two ncats, and ncat runs on Linux"

echo "== Test suite under Wine"
failed=0
cd "$tests"
for program in tst_net tst_chat tst_ui tst_e2e tst_tls tst_gateway; do
    # Every function, or every data row of it, as Qt Test names them: "class function[ tag]".
    run=()
    while IFS= read -r line; do
        line=${line%$'\r'}
        rest=${line#* }
        function=${rest%% *}
        name=$function
        [ "$rest" = "$function" ] || name="$function:${rest#* }"
        if [ -n "${wine_cannot["$program $name"]:-}" ]; then
            echo "  not under Wine: $program $name (${wine_cannot["$program $name"]})"
        else
            run+=("$name")
        fi
    done < <(WINEQT_QPA_PLATFORM=offscreen wine "$program.exe" -datatags)
    status=0
    WINEQT_QPA_PLATFORM=offscreen wine "$program.exe" -o "$program.txt,txt" "${run[@]}" ||
        status=$?
    # Wine does not pass a Windows program's console output through: the log is a file.
    tr -d '\r' < "$program.txt" | grep -E '^(FAIL|QFATAL|Totals)|failure location|^QINFO' | sed 's/^/  /'
    [ $status -eq 0 ] || failed=1
done
[ $failed -eq 0 ] || { echo "test-windows: tests failed under Wine" >&2; exit 1; }

echo "== Installer under Wine"
installer=$(ls "$out"/Parlino-*-win64.exe)
folder="$WINEPREFIX/drive_c/Program Files/Parlino"
wine "$installer" /S
for file in parlino.exe parlino_tls.dll parlino_router.dll Uninstall.exe Qt6Network.dll \
    libssl-3-x64.dll libcrypto-3-x64.dll libminiupnpc.dll libnatpmp.dll libssp-0.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll qt.conf licenses/OpenSSL.txt \
    licenses/miniupnpc.txt licenses/libnatpmp.txt; do
    [ -f "$folder/$file" ] || { echo "test-windows: not installed: $file" >&2; exit 1; }
done
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Parlino.lnk' | head -1)
[ -n "$shortcut" ] || { echo "test-windows: no Start-menu entry" >&2; exit 1; }
echo "  installed: $folder, $(basename "$shortcut") in the Start menu"

# The installed program: it listens, and a caller gets the question.
wine "C:\\Program Files\\Parlino\\parlino.exe" &
parlino=$!
until_true 'ss -Hltn "sport = :1981" | grep -q .'
echo "  the installed program listens on 1981"
exec 3<>/dev/tcp/127.0.0.1/1981
until_true '[[ $(xwininfo -root -tree) == *\"Connection\ Request\"* ]]'
echo "  and asks about the caller"
# Its window under the native style, as under Linux: 465 by 276 pixels below the menu bar, on
# green, with the yellow captions, once it is drawn. A point's colour is read off the screen.
read -r x y width height < <(xwininfo -root -tree |
    sed -nE 's/.*"Parlino": \("parlino.exe".* ([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+) .*/\3 \4 \1 \2/p')
shot=${PARLINO_SCREENSHOT:-$out/screen.png}
colour_at() { convert "$shot" -format "%[pixel:p{$((x + $1)),$((y + height - 276 + $2))}]" info:; }
window_seen() {
    import -window root "$shot"
    window="${width}x$height, $(colour_at 464 275) in its corner, $(colour_at 364 42) behind Remote Port"
    [ "$window" = "465x$height, srgb(0,192,0) in its corner, srgb(255,255,128) behind Remote Port" ] &&
        [ "$height" -gt 276 ]
}
until_true window_seen || { echo "test-windows: the window is $window" >&2; exit 1; }
echo "  in a window of $window"
exec 3>&-
wine taskkill /f /im parlino.exe >/dev/null 2>&1
{ wait $parlino; } 2>/dev/null || true

wine "$folder/Uninstall.exe" /S
# The uninstaller copies itself away and returns at once; the copy removes the folder.
until_true '[ ! -e "$folder" ] && [ -z "$(find "$WINEPREFIX/drive_c" -path "*Start Menu*" -name Parlino.lnk)" ]'
echo "  uninstalled: the folder and the Start-menu entry are gone"
# Nothing in the user's menus leads into this prefix (other Wine prefixes are not this test's).
menus=${XDG_DATA_HOME:-$HOME/.local/share}/applications
! grep -rqsF "$WINEPREFIX" "$menus" || { echo "test-windows: Wine added to $menus" >&2; exit 1; }
echo "  and nothing of it is in $menus"
