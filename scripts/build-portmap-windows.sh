#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the two libraries behind "Open Port on Router" for 64-bit Windows (mingw-w64 GCC, posix
# threads, shared DLLs with import libraries): miniupnpc (UPnP IGD) from Debian 12's source package
# miniupnpc with all of Debian's patches, and libnatpmp (NAT-PMP) from the upstream tarball of
# Debian 13's source package libnatpmp (why not Debian 12's: below). Once per machine, kept in
# ~/.cache/parlino/portmap-mingw-x86_64 (under $XDG_CACHE_HOME when set):
#   bin/libminiupnpc.dll, bin/libnatpmp.dll       the DLLs
#   lib/libminiupnpc.dll.a, lib/libnatpmp.dll.a   their import libraries
#   include/miniupnpc/*.h, include/natpmp.h       the headers, laid out as Debian installs them
#   licenses/                                     each library's licence, for the installer
#
#   scripts/build-portmap-windows.sh [--tarball FILE]   --tarball: also pack the result into FILE,
#                                                       a tarball that PARLINO_PORTMAP_MINGW can name
# Does nothing when the cache is there (delete it to build Debian's newest again). The sources come
# with apt (scripts/lib.sh: debian_source, debian_upstream_tarball). PARLINO_JOBS (2) sets the
# parallel jobs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib.sh"
jobs=${PARLINO_JOBS:-2}
prefix=$(portmap_windows_cache)
tarball=""
[ "${1:-}" = --tarball ] && tarball=$(realpath -m "$2")

pack() { pack_cache "$prefix" portmap-mingw "$tarball"; }
if [ -f "$prefix/.complete" ]; then
    pack
    exit 0
fi

install_missing cmake ninja-build gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 patch \
    xz-utils debian-archive-keyring

echo "Building miniupnpc and libnatpmp for Windows once for this machine, into $prefix."
start=$(date +%s)
work=$prefix.work
staging=$work/staging
rm -rf "$work"
mkdir -p "$staging/bin" "$staging/lib" "$staging/include" "$staging/licenses"

# Debian's hardening, as far as it carries over to Windows: the stack protector and the checked
# string functions (both from libssp-0.dll, which Parlino ships already). ASLR and DEP are the
# linker's defaults for mingw-w64.
cc=x86_64-w64-mingw32-gcc-posix
cflags="-O2 -g0 -fstack-protector-strong -D_FORTIFY_SOURCE=2"

# tarball_of NAME: the tarball NAME.tar.* (NAME may hold a *), not its signature (.asc).
tarball_of() { compgen -G "$1.tar.*" | grep -v '\.asc$' | head -1; }

# --- miniupnpc: Debian 12's source package, with Debian's patches, built with its CMake ---------
echo "Fetching the source package miniupnpc"
debian_source "$work/miniupnpc" miniupnpc
dsc=$(echo "$work"/miniupnpc/miniupnpc_*.dsc)
miniupnpc_version=$(sed -n 's/^Version: //p' "$dsc")
for part in "${miniupnpc_version%-*}.orig" "$miniupnpc_version.debian"; do
    tar -C "$work/miniupnpc" -xf "$(tarball_of "$work/miniupnpc/miniupnpc_$part")"
done
src=$work/miniupnpc/miniupnpc-${miniupnpc_version%-*}
if [ -f "$work/miniupnpc/debian/patches/series" ]; then
    grep -vE '^[[:space:]]*(#|$)' "$work/miniupnpc/debian/patches/series" | while read -r patch _; do
        patch -d "$src" -p1 --quiet < "$work/miniupnpc/debian/patches/$patch"
    done
fi
echo "miniupnpc $miniupnpc_version"
# The library alone, no static copy, samples or tests. Its CMakeLists.txt leaves the version in
# the HTTP requests' User-Agent empty (MINIUPNPC_VERSION) unless it is given.
build=$work/miniupnpc/build
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=AMD64 -DCMAKE_C_COMPILER="$cc" \
    -DCMAKE_C_FLAGS="$cflags" -DCMAKE_C_FLAGS_RELEASE= \
    -DCMAKE_SHARED_LINKER_FLAGS=-fstack-protector-strong \
    -DUPNPC_BUILD_STATIC=OFF -DUPNPC_BUILD_SHARED=ON -DUPNPC_BUILD_TESTS=OFF \
    -DUPNPC_BUILD_SAMPLE=OFF -DMINIUPNPC_VERSION="$(cat "$src/VERSION")" \
    -DCMAKE_INSTALL_PREFIX="$work/miniupnpc/install" >"$work/miniupnpc.log" 2>&1 &&
    cmake --build "$build" -j"$jobs" --target libminiupnpc-shared >>"$work/miniupnpc.log" 2>&1 &&
    cmake --install "$build" >>"$work/miniupnpc.log" 2>&1 ||
    { tail -30 "$work/miniupnpc.log"; echo "build-portmap-windows: miniupnpc failed" >&2; exit 1; }
cp "$work/miniupnpc/install/bin/libminiupnpc.dll" "$staging/bin/"
cp "$work/miniupnpc/install/lib/libminiupnpc.dll.a" "$staging/lib/"
cp -r "$work/miniupnpc/install/include/miniupnpc" "$staging/include/"
cp "$src/LICENSE" "$staging/licenses/miniupnpc.txt"
cp "$work/miniupnpc/debian/copyright" "$staging/licenses/miniupnpc-debian-copyright.txt"

# --- libnatpmp: Debian 13's upstream tarball, its three files compiled as its build.bat does ----
# Debian 12's index names libnatpmp 20150609-7.1, but the mirror this was written on answers "not
# found" for its tarballs. Debian 13's 20230423 (its upstream tarball is served; Debian's patches of
# it are not) has the same seven functions and structures; its natpmp.h tests _WIN32 where
# 20150609's tests WIN32 (which Qt defines for its users, but g++ -std=c++20 alone does not).
echo "Fetching the upstream source of libnatpmp (Debian 13)"
debian_upstream_tarball "$work/libnatpmp" trixie libnatpmp
natpmp_tarball=$(tarball_of "$work/libnatpmp/libnatpmp_*.orig")
natpmp_version=${natpmp_tarball##*/libnatpmp_}
natpmp_version=${natpmp_version%.orig.tar.*}
tar -C "$work/libnatpmp" -xf "$natpmp_tarball"
src=$work/libnatpmp/libnatpmp-$natpmp_version
echo "libnatpmp $natpmp_version"
(cd "$src" &&
    for file in natpmp getgateway wingettimeofday; do
        # shellcheck disable=SC2086
        $cc $cflags -Wall -DENABLE_STRNATPMPERR -DNATPMP_EXPORTS -c "$file.c" -o "$file.o" || exit 1
    done &&
    $cc -shared -fstack-protector-strong -o libnatpmp.dll natpmp.o getgateway.o wingettimeofday.o \
        -Wl,--out-implib,libnatpmp.dll.a -lws2_32 -liphlpapi) >"$work/libnatpmp.log" 2>&1 ||
    { tail -30 "$work/libnatpmp.log"; echo "build-portmap-windows: libnatpmp failed" >&2; exit 1; }
cp "$src/libnatpmp.dll" "$staging/bin/"
cp "$src/libnatpmp.dll.a" "$staging/lib/"
cp "$src/natpmp.h" "$src/natpmp_declspec.h" "$staging/include/"
cp "$src/LICENSE" "$staging/licenses/libnatpmp.txt"

# --- What the DLLs export: every function their headers declare for a program ---------------------
x86_64-w64-mingw32-strip --strip-unneeded "$staging"/bin/*.dll
exports_match() {  # DLL HEADERS DECLSPEC
    local declared exported missing
    declared=$(grep -hv '^[[:space:]]*#' "${@:2:$#-2}" | tr '\n' ' ' | grep -oE "${*: -1}[^;(]*\(" |
               sed -E 's/.*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)[[:space:]]*\($/\1/' | sort -u)
    exported=$(x86_64-w64-mingw32-objdump -p "$1" |
               sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
               sed -nE 's/^\s+\[\s*[0-9]+\] //p' | sort -u)
    missing=$(comm -23 <(echo "$declared") <(echo "$exported"))
    [ -n "$declared" ] && [ -z "$missing" ] ||
        { echo "build-portmap-windows: $(basename "$1") lacks: ${missing:-every function}" >&2
          exit 1; }
    echo "  $(basename "$1"): exports all $(echo "$declared" | wc -l) functions its headers declare"
}
exports_match "$staging/bin/libminiupnpc.dll" "$staging"/include/miniupnpc/*.h MINIUPNP_LIBSPEC
exports_match "$staging/bin/libnatpmp.dll" "$staging/include/natpmp.h" NATPMP_LIBSPEC
for dll in "$staging"/bin/*.dll; do
    echo "  $(basename "$dll") imports: $(x86_64-w64-mingw32-objdump -p "$dll" |
        sed -nE 's/^\s+DLL Name: //p' | tr '\n' ' ')"
    flags=$(x86_64-w64-mingw32-objdump -p "$dll" |
            sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        grep -qw "$flag" <<<"$flags" ||
            { echo "build-portmap-windows: $(basename "$dll") lacks $flag" >&2; exit 1; }
    done
done

rm -rf "$prefix"
mv "$staging" "$prefix"
echo "miniupnpc $miniupnpc_version and libnatpmp $natpmp_version for Windows, $(date -u +%F)," \
    "$(($(date +%s) - start)) s with -j$jobs" > "$prefix/.complete"
rm -rf "$work"
echo "miniupnpc and libnatpmp for Windows ready in $(($(date +%s) - start)) s: $prefix"
pack
