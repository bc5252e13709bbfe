#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the README's screenshots anew from the program as it is, on an X server of its own with a
# window manager: docs/conversation.png (two copies in an encrypted conversation), docs/german.png
# (the same under a German desktop), docs/dark-theme.png (under GTK's dark Adwaita), docs/rtl.png
# (under an Arabic desktop, mirrored), docs/long-entry-tooltip.png (what a partner's netcat sent,
# and a long entry's tooltip) and docs/about.png.
# Two copies talk over a veth pair between two network namespaces that the script makes, with
# documentation addresses (192.0.2.10 and 192.0.2.7), so nothing leaves the machine.
#   scripts/screenshots.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/screenshots

if [ "${PARLINO_OWN_NETWORK:-}" != 1 ]; then
    . "$root/scripts/lib.sh"
    "$root/scripts/setup.sh" run >/dev/null
    install_missing xvfb xauth openbox xdotool x11-utils imagemagick iproute2 qt6-gtk-platformtheme \
        locales fonts-noto-core
    for name in de_DE ar_EG; do
        locale -a | grep -qix "$name\.utf-\?8" || localedef -i $name -f UTF-8 $name.UTF-8
    done
    own=(unshare --net)
    [ "$(id -u)" -eq 0 ] || own=(unshare --net --map-root-user)
    exec "${own[@]}" env PARLINO_OWN_NETWORK=1 "$0" "$@"
fi
mkdir -p "$out"
parlino=$root/build/src/app/parlino

# Ann here, Bob in a namespace of his own behind a veth pair.
ip link set lo up
unshare --net sleep infinity &
bob_ns=$!
sleep 0.2
ip link add ann type veth peer name bob
ip link set bob netns "$bob_ns"
ip addr add 192.0.2.10/24 dev ann
ip link set ann up
nsenter -t "$bob_ns" -n sh -c 'ip link set lo up; ip addr add 192.0.2.7/24 dev bob; ip link set bob up'

rm -f "$out/display"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$out/display" 2>/dev/null &
xvfb=$!
trap 'kill $bob_ns $xvfb 2>/dev/null || true' EXIT
until [ -s "$out/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$out/display")
openbox >/dev/null 2>&1 &
# A window shown before the window manager has taken over the screen would never be mapped.
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.1; done

# The window of a program started in the background, by its process and title.
window_of() { xdotool search --sync --all --onlyvisible --pid "$1" --name "$2" | head -1; }
# Clicks a control of a main window at a point given in twips of its client area, below the menus,
# from the left edge; from the right one in a mirrored window (mirrored=1).
mirrored=0
click() {
    local window=$1 x=$(($2 / 15 + 6)) y=$3 height
    height=$(xdotool getwindowgeometry "$window" | sed -nE 's/.*Geometry: [0-9]+x([0-9]+).*/\1/p')
    [ $mirrored = 0 ] || x=$((465 - x))
    xdotool windowactivate --sync "$window" mousemove --window "$window" \
        $x $((y / 15 + height - 276 + 6)) click 1
    sleep 0.3
}
type_text() { xdotool type --delay 20 "$1"; sleep 0.3; }
send() { click "$1" 120 3600; type_text "$2"; click "$1" 5400 3600; }
# Communications > Connect Encrypted, by keyboard.
connect_encrypted() {
    xdotool windowactivate --sync "$1" key alt Right Down Down Return
    sleep 0.3
}
# The first window of a process other than the one given: its question box.
question_of() {
    local question=$1
    while [ "$question" = "$1" ] || [ -z "$question" ]; do
        sleep 0.2
        question=$(xdotool search --all --onlyvisible --pid "$2" --name . | grep -v "^$1$" | head -1)
    done
    echo "$question"
}

# conversation FILE ENVIRONMENT...: Bob calls Ann, encrypted, and they talk; both windows, side by
# side (and Ann's alone in build/screenshots/ann.png).
bob_says=("Hi Ann! How are you?" "Got them, thank you!")
ann_says=("Fine, thanks. The photos are on their way." "Great, talk soon")
conversation() {
    local file=$1 ann bob ann_window bob_window question
    shift
    env "$@" "$parlino" >/dev/null 2>&1 &
    ann=$!
    env "$@" nsenter -t "$bob_ns" -n "$parlino" >/dev/null 2>&1 &
    bob=$!
    ann_window=$(window_of $ann '^Parlino$')
    bob_window=$(window_of $bob '^Parlino$')
    # Apart, since a window is read off the screen.
    xdotool windowmove "$ann_window" 20 20 windowmove "$bob_window" 620 20
    click "$ann_window" 1200 600 && type_text Ann
    click "$bob_window" 1200 600 && type_text Bob
    click "$bob_window" 5400 2280 && type_text 192.0.2.10
    connect_encrypted "$bob_window"
    question=$(question_of "$ann_window" $ann)
    xdotool windowactivate --sync "$question" key Return
    sleep 0.5
    send "$bob_window" "${bob_says[0]}"
    send "$ann_window" "${ann_says[0]}"
    send "$bob_window" "${bob_says[1]}"
    click "$ann_window" 120 3600 && type_text "${ann_says[1]}"
    xdotool mousemove 1270 790  # no pointer, no tooltip
    sleep 1
    import -window "$ann_window" "$out/ann.png"
    import -window "$bob_window" "$out/bob.png"
    convert "$out/ann.png" -size 10x1 xc:black "$out/bob.png" -background black +append "$file"
    kill $ann $bob
    wait $ann $bob 2>/dev/null || true
    echo "$file"
}

conversation "$root/docs/conversation.png" LANG=C.UTF-8
conversation "$root/docs/german.png" LANGUAGE=de LANG=de_DE.UTF-8
conversation "$out/dark.png" LANG=C.UTF-8 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
cp "$out/ann.png" "$root/docs/dark-theme.png"
echo "$root/docs/dark-theme.png"
# called FILE TEXT...: a fresh window of Ann's, with ENVIRONMENT, takes a call from a partner's shell
# that sends each TEXT a second apart, as netcat would; then Ann says "yes, thanks".
called() {
    local file=$1 window question
    shift
    env "${environment[@]}" "$parlino" >/dev/null 2>&1 &
    ann=$!
    window=$(window_of $ann '^Parlino$')
    xdotool windowmove "$window" 20 20
    click "$window" 1200 600 && type_text Ann
    nsenter -t "$bob_ns" -n bash -c 'exec 3<>/dev/tcp/192.0.2.10/1981; sleep 3
        for text; do printf %s "$text" >&3; sleep 1; done; sleep 60' sh "$@" &
    partner=$!
    question=$(question_of "$window" $ann)
    xdotool windowactivate --sync "$question" key Return
    sleep $(($# + 3))
    send "$window" "yes, thanks"
    sleep 1
    "${before_shot[@]}"
    import -window root "$out/screen.png"
    convert "$out/screen.png" -crop "470x${shot_height}+20+0" +repage "$file"
    kill $ann $partner 2>/dev/null || true
    wait $ann 2>/dev/null || true
    echo "$file"
}
no_pointer() { xdotool mousemove 1270 790 && sleep 1; }

# Under an Arabic desktop, mirrored.
mirrored=1 environment=(LANGUAGE=ar LANG=ar_EG.UTF-8) before_shot=(no_pointer) shot_height=316
called "$root/docs/rtl.png" "سلمى : مرحبا آن، هل تسمعينني؟" "سلمى : أرسلت لك الصور"
mirrored=0 environment=(LANG=C.UTF-8)

# What netcat sent, shown as what it is, and the tooltip of the fifth row, the long one: the
# list's top is 960 twips down the client area, and a row at least 13 pixels tall.
hover_fifth_row() {
    xdotool mousemove 220 $((20 + $(xdotool getwindowgeometry "$window" |
        sed -nE 's/.*Geometry: [0-9]+x([0-9]+).*/\1/p') - 276 + 64 + 4 * 13 + 6))
    sleep 2.5
}
before_shot=(hover_fifth_row) shot_height=350  # the tooltip reaches below the window
called "$root/docs/long-entry-tooltip.png" "Bob : hi Ann, did the photo arrive?" \
    "Bob : photo"$'\u202e'"gpj.exe and a bell"$'\a'" and the long story: Once upon a time, in a land of direct connections with no servers in between, two computers wanted to talk. One of them listened on port 1981 and the other one knocked; the rest is history, told here at length so that it does not fit on one line of the list and the tooltip has to wrap it over several lines."

# The About box over a fresh window.
"$parlino" >/dev/null 2>&1 &
ann=$!
window=$(window_of $ann '^Parlino$')
click "$window" 3720 120
about=$(window_of $ann "^About$")
sleep 1
import -window "$about" "$root/docs/about.png"
kill $ann
echo docs/about.png
