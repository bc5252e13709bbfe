#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what Parlino needs on Debian 12 or Ubuntu and builds it. Idempotent: when everything
# is there already it only runs an incremental build.
#
#   scripts/setup.sh run    packages to build and run, then a Release build in build/
#   scripts/setup.sh test   also the tools the test suite uses, then a build in build-tests/
#   scripts/setup.sh bench  also Xvfb and ip, then a Release build of the benchmarks in
#                           build-bench/
set -euo pipefail

purpose=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib.sh"

# dpkg-dev: the hardening flags and the package's dependencies; help2man: the manual page;
# qt6-tools-dev and qt6-l10n-tools: lupdate and lrelease; qt6-translations-l10n: Qt's own texts
# (Yes, No, OK) in the user's language. libssl-dev: OpenSSL, for encrypted conversations;
# libminiupnpc-dev and libnatpmp-dev: UPnP IGD and NAT-PMP, to forward the port on the router.
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libssl-dev
          libminiupnpc-dev libnatpmp-dev
          fonts-liberation2 fonts-comic-neue dpkg-dev file help2man
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The checkers of the installed tree and the package: desktop-file-utils, appstream and
# appstream-compose for desktops and software centres, lintian, and devscripts for
# hardening-check. weston and qt6-wayland: a Wayland desktop for the tests. ncat and openssl:
# encrypted partners that are not Parlino; netcat-openbsd: nc as a plain partner; xdotool: the user
# of the real program when it is asked to terminate. miniupnpd-nftables and nftables: the home
# router of the port-mapping tests, with miniupnpc (upnpc) and natpmpc as its other clients; the
# package is the daemon alone, without a service, so nothing starts on this machine.
case "$purpose" in
    test) packages+=(qt6-base-private-dev iproute2 xauth xvfb openbox x11-utils weston qt6-wayland
                     ncat openssl netcat-openbsd xdotool
                     miniupnpd-nftables nftables miniupnpc natpmpc
                     clang libclang-rt-14-dev desktop-file-utils appstream appstream-compose
                     lintian devscripts at-spi2-core dbus-daemon) ;;
    bench) packages+=(xauth xvfb iproute2 fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji
                      fonts-urw-base35) ;;
esac

install_missing "${packages[@]}"

jobs=${PARLINO_JOBS:-2}
if [ "$purpose" = test ]; then
    cmake -S "$root" -B "$root/build-tests" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=ON -DPARLINO_WARNINGS_AS_ERRORS=ON >/dev/null
    cmake --build "$root/build-tests" -j"$jobs"
elif [ "$purpose" = bench ]; then
    cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DPARLINO_BUILD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$root/build-bench" -j"$jobs" >/dev/null
else
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        >/dev/null
    cmake --build "$root/build" -j"$jobs" --target parlino
fi
