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
# Qt, OpenSSL, and miniupnpc with libnatpmp for Windows are built once per machine from Debian's
# source (scripts/build-qt-windows.sh, scripts/build-openssl-windows.sh and
# scripts/build-portmap-windows.sh, into ~/.cache/parlino), unless PARLINO_QT_MINGW,
# PARLINO_OPENSSL_MINGW or PARLINO_PORTMAP_MINGW names a tarball of one (made by its script's
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

# Qt, OpenSSL and the port-mapping libraries for Windows, each in a folder of build-windows/: the
# tarball its variable names, unpacked once (again when it changes), or a link to the one its
# recipe built on this machine.
mkdir -p "$out"
# for_windows FOLDER VARIABLE RECIPE CACHE
for_windows() {
    local folder=$out/$1 tarball=${!2:-} stamp
    if [ -n "$tarball" ]; then
        [ -f "$tarball" ] || { echo "build-windows: $2: no such file: $tarball" >&2; exit 1; }
        stamp="$(stat -c '%s %Y' "$tarball")"
        if [ -L "$folder" ] || [ "$(cat "$folder/.unpacked" 2>/dev/null)" != "$stamp" ]; then
            echo "Unpacking $(basename "$tarball")"
            rm -rf "$folder"
            tar -xJf "$tarball" -C "$out"
            [ -d "$folder" ] || { echo "build-windows: $2: no $1/ in $tarball" >&2; exit 1; }
            echo "$stamp" > "$folder/.unpacked"
        fi
    else
        "$root/scripts/$3"
        [ -L "$folder" ] || rm -rf "$folder"
        ln -sfn "$4" "$folder"
    fi
}
for_windows qt6-mingw PARLINO_QT_MINGW build-qt-windows.sh "$(qt_windows_cache)"
for_windows openssl-mingw PARLINO_OPENSSL_MINGW build-openssl-windows.sh "$(openssl_windows_cache)"
for_windows portmap-mingw PARLINO_PORTMAP_MINGW build-portmap-windows.sh "$(portmap_windows_cache)"
qt=$out/qt6-mingw
host_qt=$(sed -nE 's/.*PACKAGE_VERSION "([0-9.]+)".*/\1/p' \
    /usr/lib/x86_64-linux-gnu/cmake/Qt6Core/Qt6CoreConfigVersionImpl.cmake)
target_qt=$(sed -nE 's/.*PACKAGE_VERSION "([0-9.]+)".*/\1/p' \
    "$qt/lib/cmake/Qt6Core/Qt6CoreConfigVersionImpl.cmake")
[ "$host_qt" = "$target_qt" ] ||
    { echo "build-windows: host Qt $host_qt, Windows Qt $target_qt: they must match" >&2; exit 1; }

# OPENSSL_ROOT_DIR tells FindOpenSSL where OpenSSL is; a cross build finds packages only below its
# roots, and Qt's toolchain file adds QT_ADDITIONAL_PACKAGES_PREFIX_PATH to them. Below each root
# CMake looks in include/ and lib/ too, which is how miniupnpc and libnatpmp are found.
cmake -S "$root" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DOPENSSL_ROOT_DIR="$out/openssl-mingw" \
    -DQT_ADDITIONAL_PACKAGES_PREFIX_PATH="$out/openssl-mingw;$out/portmap-mingw" \
    -DBUILD_TESTING=$tests -DPARLINO_WARNINGS_AS_ERRORS=$tests >/dev/null
targets=(parlino parlino_tls parlino_router)
[ $tests = ON ] && targets+=(tst_net tst_chat tst_ui tst_e2e tst_tls tst_gateway)
cmake --build "$out/build" -j"$jobs" --target "${targets[@]}"

# The folder a user gets, as the installer lays it out.
rm -rf "$out/Parlino"
cmake --install "$out/build" --prefix "$out/Parlino" --strip >/dev/null
# A DLL found in none of the folders searched counts as Windows' own and is left out: OpenSSL's
# and the port-mapping libraries' must have been found in their prefixes.
for dll in libssp-0.dll libssl-3-x64.dll libcrypto-3-x64.dll libminiupnpc.dll libnatpmp.dll; do
    [ -f "$out/Parlino/$dll" ] || { echo "build-windows: $dll missing" >&2; exit 1; }
done
# The PE counterparts of the hardening flags: ASLR over the whole 64-bit range, and no execution of
# data; the stack protector brings its DLL along.
for file in parlino.exe parlino_tls.dll parlino_router.dll libminiupnpc.dll libnatpmp.dll; do
    flags=$(x86_64-w64-mingw32-objdump -p "$out/Parlino/$file" |
        sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        grep -qw "$flag" <<<"$flags" || { echo "build-windows: $file lacks $flag" >&2; exit 1; }
    done
done

(cd "$out/build" && cpack -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
echo "Windows build: $out/Parlino/ ($(du -sh "$out/Parlino" | cut -f1)), $(cd "$out" && ls Parlino-*-win64.*)"
