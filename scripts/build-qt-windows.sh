#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt 6.4.2 for 64-bit Windows (mingw-w64 GCC, posix threads, shared DLLs) from Debian 12's
# source package of qtbase, once per machine, and keeps it in ~/.cache/parlino/qt6.4.2-mingw-x86_64
# (under $XDG_CACHE_HOME when set). Only what Parlino needs: Core, Gui, Widgets, Network, Test, the
# windows, offscreen and minimal platforms and the windowsvista style. The tools (moc, rcc, uic)
# are the build host's, from Debian's qt6-base-dev-tools, so host and Windows Qt are one version.
#
#   scripts/build-qt-windows.sh [--tarball FILE]   --tarball: also pack the result into FILE, a
#                                                  tarball that PARLINO_QT_MINGW can name
# Does nothing when the cache is there. The source comes with `apt-get source` through a deb-src
# entry in an apt configuration of its own (the system's stays as it is). PARLINO_JOBS (2) sets
# the parallel jobs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib.sh"
jobs=${PARLINO_JOBS:-2}
prefix=$(qt_windows_cache)
tarball=""
[ "${1:-}" = --tarball ] && tarball=$(realpath -m "$2")

pack() { pack_cache "$prefix" qt6-mingw "$tarball"; }
if [ -f "$prefix/.complete" ]; then
    pack
    exit 0
fi

install_missing cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 qt6-base-dev qt6-base-dev-tools perl python3 patch xz-utils \
    debian-archive-keyring
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
case "$version" in
    6.4.2+*) ;;
    *) echo "build-qt-windows: the host's Qt is $version; Parlino's Windows build needs 6.4.2" >&2
       exit 1 ;;
esac

# Measured on 2 cores: see the README ("Windows").
echo "Building Qt $version for Windows once for this machine, into $prefix."
echo "It compiles about 1,100 files: about 30 minutes on 2 cores (-j$jobs), 90 or more when"
echo "other builds share them. Later runs reuse it."
start=$(date +%s)
work=$prefix.work
rm -rf "$work"

# --- The source: Debian's, with its security fixes --------------------------------------------
echo "Fetching the source package qt6-base $version"
debian_source "$work" "qt6-base=$version"
tar -C "$work" -xf "$work"/qt6-base_*.orig.tar.xz
tar -C "$work" -xf "$work"/qt6-base_"${version#*:}".debian.tar.xz
src=$(echo "$work"/qtbase-everywhere-src-*)
# Of Debian's patches, the security fixes; the others serve Debian's own packaging (build paths,
# shared zstd, androiddeployqt when cross-building, some Linux architectures).
{ grep -iE "^cve-" "$work/debian/patches/series" || true; } | while read -r patch; do
    patch -d "$src" -p1 --quiet < "$work/debian/patches/$patch"
done
# Gui compiles its DirectWrite font database only with direct2d, but the windows platform uses it
# whenever directwrite3 is on, so with direct2d off qwindows.dll does not link. Guard it as Gui.
sed -i 's/^#if QT_CONFIG(directwrite3)$/& \&\& QT_CONFIG(direct2d)/' \
    "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"
[ "$(grep -c '^#if QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)$' \
    "$src/src/plugins/platforms/windows/qwindowsintegration.cpp")" = 2 ] ||
    { echo "build-qt-windows: the direct2d guard no longer applies" >&2; exit 1; }

# --- The toolchain, kept in the prefix so that the prefix can move ----------------------------
staging=$work/qt6-mingw
mkdir -p "$staging"
toolchain=$staging/mingw-w64-x86_64-posix.cmake
cat > "$toolchain" <<'CMAKE'
# Debian 12 -> Windows x86_64 with mingw-w64 GCC, posix threads. Qt's own toolchain file in
# lib/cmake/Qt6/qt.toolchain.cmake loads this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_SYSTEM_VERSION 10.0)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
foreach(tool AR RANLIB OBJCOPY STRIP)
    string(TOLOWER ${tool} name)
    set(CMAKE_${tool} /usr/bin/x86_64-w64-mingw32-${name} CACHE FILEPATH "")
endforeach()
# Libraries and headers from the mingw-w64 tree only, programs from the build host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
CMAKE

# --- Configure, build, install ----------------------------------------------------------------
# Debian's source has no src/3rdparty/wintab (its licence), which tablet events and direct2d
# need. pkg-config and every system_* library are off: they would find the host's Linux
# libraries. FreeType stays, bundled: the offscreen platform the tests use needs it.
echo "Configuring (log: $work/configure.log)"
build=$work/build
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$staging" -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF -DFEATURE_androiddeployqt=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_ssl=OFF -DFEATURE_openssl=OFF -DINPUT_openssl=no \
    -DFEATURE_schannel=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
    -DFEATURE_glib=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_doubleconversion=OFF >"$work/configure.log" 2>&1 ||
    { tail -30 "$work/configure.log"; echo "build-qt-windows: configure failed" >&2; exit 1; }

echo "Building (log: $work/build.log)"
step=0
built=$(date +%s)
cmake --build "$build" --parallel "$jobs" 2>&1 | tee "$work/build.log" |
    while IFS= read -r line; do
        # Ninja's lines begin with "[done/total]": one line of progress per 5 %.
        [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]] || continue
        percent=$((100 * BASH_REMATCH[1] / BASH_REMATCH[2]))
        if [ "$percent" -ge "$step" ]; then
            # Minutes left, at the pace so far.
            left=$((($(date +%s) - built) * (BASH_REMATCH[2] - BASH_REMATCH[1]) /
                    BASH_REMATCH[1] / 60))
            printf '  %3d %%  %4d of %d steps, %d min so far, about %d min left\n' "$percent" \
                "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" $((($(date +%s) - start) / 60)) "$left"
            step=$((percent - percent % 5 + 5))
        fi
    done ||
    { tail -30 "$work/build.log"; echo "build-qt-windows: build failed" >&2; exit 1; }
cmake --install "$build" >"$work/install.log" 2>&1
# The installed toolchain file names ours by its absolute path: make it relative.
sed -i "s|\"$toolchain\"|\"\${CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64-x86_64-posix.cmake\"|" \
    "$staging/lib/cmake/Qt6/qt.toolchain.cmake"
grep -q 'CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64' "$staging/lib/cmake/Qt6/qt.toolchain.cmake" ||
    { echo "build-qt-windows: could not make qt.toolchain.cmake relocatable" >&2; exit 1; }

rm -rf "$prefix"
mv "$staging" "$prefix"
echo "Qt $version for Windows, $(date -u +%F), $(($(date +%s) - start)) s with -j$jobs" \
    > "$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows ready in $(( ($(date +%s) - start) / 60 )) min: $prefix"
pack
