#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test binary on a Wayland compositor of its own (weston, headless), which leaves the title
# bars to the programs as many Wayland desktops do.
#   wayland.sh TEST [ARGUMENTS...]
set -eu
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-parlino QT_QPA_PLATFORM=wayland
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config &
trap "kill $!; rm -rf '$XDG_RUNTIME_DIR'" EXIT
# The compositor is up once its socket is there.
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
"$@"
