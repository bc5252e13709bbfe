#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds OpenSSL 3 for 64-bit Windows (mingw-w64 GCC, shared DLLs: libssl-3-x64.dll and
# libcrypto-3-x64.dll) from Debian 12's source package of openssl with all of Debian's patches,
# once per machine, and keeps it in ~/.cache/parlino/openssl3-mingw-x86_64 (under $XDG_CACHE_HOME
# when set): the DLLs in bin/, their import libraries in lib/, the headers in include/.
#
#   scripts/build-openssl-windows.sh [--tarball FILE]   --tarball: also pack the result into FILE,
#                                                       a tarball that PARLINO_OPENSSL_MINGW can name
# Does nothing when the cache is there (delete it to build Debian's newest openssl again). The
# source comes with `apt-get source` (scripts/lib.sh: debian_source). PARLINO_JOBS (2) sets the
# parallel jobs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib.sh"
jobs=${PARLINO_JOBS:-2}
prefix=$(openssl_windows_cache)
tarball=""
[ "${1:-}" = --tarball ] && tarball=$(realpath -m "$2")

pack() { pack_cache "$prefix" openssl-mingw "$tarball"; }
if [ -f "$prefix/.complete" ]; then
    pack
    exit 0
fi

install_missing make perl gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 patch xz-utils \
    debian-archive-keyring

# Measured on 2 cores: see the README ("Windows").
echo "Building OpenSSL for Windows once for this machine, into $prefix."
echo "It compiles 1,886 files: about 20 minutes on 2 cores (-j$jobs) that other builds share,"
echo "less on an idle machine. Later runs reuse it."
start=$(date +%s)
work=$prefix.work
rm -rf "$work"

# --- The source: Debian's, with all its patches -----------------------------------------------
echo "Fetching the source package openssl"
debian_source "$work" openssl
dsc=$(echo "$work"/openssl_*.dsc)
version=$(sed -n 's/^Version: //p' "$dsc")
tar -C "$work" -xf "$work"/openssl_"${version%-*}".orig.tar.gz
tar -C "$work" -xf "$work"/openssl_"${version#*:}".debian.tar.xz
src=$work/openssl-${version%-*}
# Debian's patches in its order; they all apply to any target.
grep -vE '^[[:space:]]*(#|$)' "$work/debian/patches/series" | while read -r patch _; do
    patch -d "$src" -p1 --quiet < "$work/debian/patches/$patch"
done
echo "OpenSSL $version"

# --- Configure, build, install ----------------------------------------------------------------
# The mingw64 target of OpenSSL's own Configure, with its assembler. Only the libraries and the
# headers are installed (install_sw: no manuals); libdir is lib/ (not lib64/), where CMake's
# FindOpenSSL looks.
# The folders built into the DLLs, where OpenSSL looks for its configuration, modules and engines,
# are below C:/Program Files/OpenSSL, which only administrators can write to (Parlino loads none of
# them). The files go into a folder of the work's own (DESTDIR) and from there into the cache.
install_top="C:/Program Files/OpenSSL"
staging=$work/destdir/$install_top
echo "Configuring (log: $work/configure.log)"
(cd "$src" && ./Configure mingw64 --cross-compile-prefix=x86_64-w64-mingw32- \
    --prefix="$install_top" --libdir=lib shared no-tests) >"$work/configure.log" 2>&1 ||
    { tail -30 "$work/configure.log"; echo "build-openssl-windows: configure failed" >&2; exit 1; }

echo "Building (log: $work/build.log)"
# One step per object file (.obj for this target): make prints each compiler call with "-o <file>".
total=$(grep -cE '^[^[:space:]#]+\.obj:' "$src/Makefile" || true)
[ "$total" -gt 0 ] || { echo "build-openssl-windows: no object files in the Makefile" >&2; exit 1; }
step=0
built=$(date +%s)
make -C "$src" -j"$jobs" build_sw 2>&1 | tee "$work/build.log" |
    { compiled=0
      while IFS= read -r line; do
        [[ $line =~ \ -o\ [^[:space:]]+\.obj\  ]] || continue
        compiled=$((compiled + 1))
        percent=$((100 * compiled / total))
        if [ "$percent" -ge "$step" ]; then
            # Minutes left, at the pace so far.
            left=$((($(date +%s) - built) * (total - compiled) / compiled / 60))
            printf '  %3d %%  %4d of %d files, %d min so far, about %d min left\n' "$percent" \
                "$compiled" "$total" $((($(date +%s) - start) / 60)) "$left"
            step=$((percent - percent % 5 + 5))
        fi
      done; } ||
    { tail -30 "$work/build.log"; echo "build-openssl-windows: build failed" >&2; exit 1; }
make -C "$src" DESTDIR="$work/destdir/" install_sw >"$work/install.log" 2>&1 ||
    { tail -30 "$work/install.log"; echo "build-openssl-windows: install failed" >&2; exit 1; }
for dll in libssl-3-x64.dll libcrypto-3-x64.dll; do
    [ -f "$staging/bin/$dll" ] || { echo "build-openssl-windows: $dll not built" >&2; exit 1; }
done
# The source's licence and Debian's copyright beside what was built from them.
cp "$src/LICENSE.txt" "$work/debian/copyright" "$staging/"

rm -rf "$prefix"
mv "$staging" "$prefix"
echo "OpenSSL $version for Windows, $(date -u +%F), $(($(date +%s) - start)) s with -j$jobs" \
    > "$prefix/.complete"
rm -rf "$work"
echo "OpenSSL for Windows ready in $(( ($(date +%s) - start) / 60 )) min: $prefix"
pack
