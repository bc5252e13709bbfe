#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test binary on an X server of its own with a real window manager (openbox), as a
# desktop would have them.
#   desktop.sh TEST [ARGUMENTS...]
set -eu
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    openbox --sm-disable &
    wm=$!
    # The window manager is up once it has claimed the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb "$@"
    status=$?
    kill $wm
    exit $status
' desktop "$@"
