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
# Qt for Windows is built once per machine from Debian's source (scripts/build-qt-windows.sh, into
# ~/.cache/parlino), unless PARLINO_QT_MINGW names a tarball of it (made by that script's
# --tarball), which is then unpacked instead. The Windows build uses the build host's Qt tools
# (moc, rcc, lrelease), which must be the same version.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib.sh"
out=$root/build-windows
jobs=${PARLINO_JOBS:-2}
tests=OFF
[ "${1:-}" = --tests ] && tests=ON

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
          qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n icoutils nsis zip)
# Running them: Wine, and an X server for the installed program.
[ $tests = ON ] && packages+=(wine wine64 fonts-wine xvfb xauth x11-utils imagemagick iproute2)
install_missing "${packages[@]}"

# Qt for Windows in build-windows/qt6-mingw: the tarball named, unpacked once (again when it
# changes), or a link to the one built on this machine.
qt=$out/qt6-mingw
mkdir -p "$out"
if [ -n "${PARLINO_QT_MINGW:-}" ]; then
    tarball=$PARLINO_QT_MINGW
    [ -f "$tarball" ] || { echo "build-windows: PARLINO_QT_MINGW: no such file: $tarball" >&2; exit 1; }
    stamp="$(stat -c '%s %Y' "$tarball")"
    if [ -L "$qt" ] || [ "$(cat "$qt/.unpacked" 2>/dev/null)" != "$stamp" ]; then
        echo "Unpacking $(basename "$tarball")"
        rm -rf "$qt"
        tar -xJf "$tarball" -C "$out"
        echo "$stamp" > "$qt/.unpacked"
    fi
else
    "$root/scripts/build-qt-windows.sh"
    [ -L "$qt" ] || rm -rf "$qt"
    ln -sfn "$(qt_windows_cache)" "$qt"
fi
host_qt=$(sed -nE 's/.*PACKAGE_VERSION "([0-9.]+)".*/\1/p' \
    /usr/lib/x86_64-linux-gnu/cmake/Qt6Core/Qt6CoreConfigVersionImpl.cmake)
target_qt=$(sed -nE 's/.*PACKAGE_VERSION "([0-9.]+)".*/\1/p' \
    "$qt/lib/cmake/Qt6Core/Qt6CoreConfigVersionImpl.cmake")
[ "$host_qt" = "$target_qt" ] ||
    { echo "build-windows: host Qt $host_qt, Windows Qt $target_qt: they must match" >&2; exit 1; }

cmake -S "$root" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DBUILD_TESTING=$tests -DPARLINO_WARNINGS_AS_ERRORS=$tests >/dev/null
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
