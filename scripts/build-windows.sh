#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Parlino for 64-bit Windows on Debian 12 with mingw-w64 and a Qt 6.4.2 built for it,
# and writes into build-windows/:
#   Parlino/                       the program with everything it needs, ready to run or copy
#   Parlino-<version>-win64.exe    an installer (NSIS): Program Files, Start menu, uninstaller
#   Parlino-<version>-win64.zip    the same folder, portable
#
#   scripts/build-windows.sh [--tests]   --tests: the Qt Test programs too (scripts/test-windows.sh)
#
# Qt for Windows comes from qt6.4.2-mingw-x86_64.tar.xz in the shared folder beside the repository
# (../shared/windows), or from the tarball that PARLINO_QT_MINGW names. The Windows build uses the
# build host's Qt tools (moc, rcc, lrelease), which must be the same version.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build-windows
jobs=${PARLINO_JOBS:-2}
tests=OFF
[ "${1:-}" = --tests ] && tests=ON

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
          qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n icoutils nsis zip)
# Running them: Wine, and an X server for the installed program.
[ $tests = ON ] && packages+=(wine wine64 fonts-wine xvfb xauth x11-utils imagemagick iproute2)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# Qt for Windows, unpacked once (again when the tarball changes).
tarball=${PARLINO_QT_MINGW:-$root/../shared/windows/qt6.4.2-mingw-x86_64.tar.xz}
[ -f "$tarball" ] || { echo "build-windows: Qt for Windows not found: $tarball" >&2; exit 1; }
qt=$out/qt6-mingw
stamp="$(stat -c '%s %Y' "$tarball")"
if [ "$(cat "$qt/.unpacked" 2>/dev/null)" != "$stamp" ]; then
    echo "Unpacking $(basename "$tarball")"
    rm -rf "$qt"
    mkdir -p "$out"
    tar -xJf "$tarball" -C "$out"
    echo "$stamp" > "$qt/.unpacked"
fi
host_qt=$(sed -nE 's/.*PACKAGE_VERSION "([0-9.]+)".*/\1/p' \
    /usr/lib/x86_64-linux-gnu/cmake/Qt6Core/Qt6CoreConfigVersionImpl.cmake)
target_qt=$(sed -nE 's/.*PACKAGE_VERSION "([0-9.]+)".*/\1/p' \
    "$qt/lib/cmake/Qt6Core/Qt6CoreConfigVersionImpl.cmake")
[ "$host_qt" = "$target_qt" ] ||
    { echo "build-windows: host Qt $host_qt, Windows Qt $target_qt: they must match" >&2; exit 1; }

cmake -S "$root" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DBUILD_TESTING=$tests >/dev/null
targets=(parlino)
[ $tests = ON ] && targets+=(tst_net tst_chat tst_ui tst_e2e)
cmake --build "$out/build" -j"$jobs" --target "${targets[@]}"

# The folder a user gets, as the installer lays it out.
rm -rf "$out/Parlino"
cmake --install "$out/build" --prefix "$out/Parlino" --strip >/dev/null
exe=$out/Parlino/parlino.exe
# The PE counterparts of the hardening flags: ASLR over the whole 64-bit range, and no execution of
# data; the stack protector brings its DLL along.
flags=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    grep -qw "$flag" <<<"$flags" || { echo "build-windows: parlino.exe lacks $flag" >&2; exit 1; }
done
[ -f "$out/Parlino/libssp-0.dll" ] || { echo "build-windows: libssp-0.dll missing" >&2; exit 1; }

(cd "$out/build" && cpack -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
echo "Windows build: $out/Parlino/ ($(du -sh "$out/Parlino" | cut -f1)), $(cd "$out" && ls Parlino-*-win64.*)"
