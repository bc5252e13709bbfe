# SPDX-License-Identifier: MIT
# Shell functions the scripts share; sourced, not run.

# install_missing PACKAGE...: installs those of the Debian packages that are not installed yet.
install_missing() {
    local package missing=() sudo=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq -o DPkg::Lock::Timeout=900
    # Waits for another apt to finish rather than failing.
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=900 \
        "${missing[@]}" >/dev/null
}

# Where scripts/build-qt-windows.sh keeps Qt for Windows, built once per machine.
qt_windows_cache() {
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/parlino/qt6.4.2-mingw-x86_64"
}

# Where scripts/build-openssl-windows.sh keeps OpenSSL 3 for Windows, built once per machine.
openssl_windows_cache() {
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/parlino/openssl3-mingw-x86_64"
}

# Where scripts/build-portmap-windows.sh keeps miniupnpc and libnatpmp for Windows, built once per
# machine.
portmap_windows_cache() {
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/parlino/portmap-mingw-x86_64"
}

# apt_options FOLDER ARRAY: sets the array named ARRAY to the options of an apt configuration kept
# in FOLDER, apart from the system's.
apt_options() {
    local -n options_of=$2
    mkdir -p "$1/apt/lists/partial" "$1/apt/archives/partial" "$1/apt/sources.list.d"
    # shellcheck disable=SC2034  # a name reference: this sets the caller's array
    options_of=(-q -o "Dir::Etc::SourceList=$1/apt/sources.list"
                -o "Dir::Etc::SourceParts=$1/apt/sources.list.d"
                -o "Dir::State::Lists=$1/apt/lists" -o "Dir::Cache::Archives=$1/apt/archives"
                -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
}

# debian_source FOLDER PACKAGE[=VERSION]: downloads Debian's source package into FOLDER, from the
# archives this system installs from: each of its apt entries as a deb-src one, in an apt
# configuration of FOLDER's own (the system's stays as it is). apt checks every file against the
# signed index. Without a VERSION, the newest that a mirror can deliver (a security update's files
# may reach a mirror after its index).
debian_source() {
    local folder=$1 package=${2%%=*} list sources options version
    apt_options "$folder" options
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$list" ]; then sed -nE 's/^deb([[:space:]])/deb-src\1/p' "$list"; fi
    done > "$folder/apt/sources.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$sources" ]; then
            sed -E 's/^Types:.*/Types: deb-src/' "$sources" > "$folder/apt/sources.list.d/${sources##*/}"
        fi
    done
    apt-get "${options[@]}" update >/dev/null
    if [ "$2" != "$package" ]; then
        (cd "$folder" && apt-get "${options[@]}" source --download-only "$2" >/dev/null)
        return
    fi
    for version in $(apt-cache "${options[@]}" showsrc "$package" | sed -n 's/^Version: //p' |
                     sort -Vru); do
        (cd "$folder" && apt-get "${options[@]}" source --download-only "$package=$version" \
            >/dev/null 2>&1) && return 0
        echo "  $package $version: not on the mirror yet, trying an older one"
        rm -f "$folder/$package"_*
    done
    echo "debian_source: no version of $package could be fetched" >&2
    return 1
}

# debian_upstream_tarball FOLDER SUITE PACKAGE: downloads into FOLDER the upstream tarball alone
# (PACKAGE_VERSION.orig.tar.*) of Debian's source package PACKAGE in the release SUITE (trixie, say),
# from the archive this system installs its own release from: that archive's entries with SUITE in
# place of this system's release, as deb-src ones, in an apt configuration of FOLDER's own. apt
# checks the tarball against the signed index. For a package whose files of this release a mirror
# does not serve.
debian_upstream_tarball() {
    local folder=$1 suite=$2 package=$3 release options list sources
    release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$release" ] || { echo "debian_upstream_tarball: this system names no release" >&2; return 1; }
    apt_options "$folder" options
    # Only entries of the release itself: one-line ones "deb [options] URI RELEASE COMPONENTS..."
    # and deb822 stanzas whose Suites include RELEASE.
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$list" ]; then
            sed -nE "s/^deb([[:space:]]+(\[[^]]*\][[:space:]]+)?[^[:space:]]+[[:space:]]+)$release([[:space:]])/deb-src\1$suite\3/p" "$list"
        fi
    done > "$folder/apt/sources.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$sources" ]; then
            awk -v release="$release" -v suite="$suite" '
                BEGIN { RS = ""; ORS = "\n\n" }
                {
                    n = split($0, lines, "\n"); keep = 0; out = ""
                    for (i = 1; i <= n; i++) {
                        if (lines[i] ~ /^Suites:/) {
                            if ((" " substr(lines[i], 8) " ") ~ ("[[:space:]]" release "[[:space:]]")) keep = 1
                            lines[i] = "Suites: " suite
                        } else if (lines[i] ~ /^Types:/) {
                            lines[i] = "Types: deb-src"
                        }
                        out = out lines[i] "\n"
                    }
                    if (keep) printf "%s\n", out
                }' "$sources" > "$folder/apt/sources.list.d/${sources##*/}"
        fi
    done
    apt-get "${options[@]}" update >/dev/null
    (cd "$folder" && apt-get "${options[@]}" source --download-only --tar-only "$package" >/dev/null)
    compgen -G "$folder/${package}_*.orig.tar.*" >/dev/null ||
        { echo "debian_upstream_tarball: no upstream tarball of $package in $suite" >&2; return 1; }
}

# Packs a finished cache PREFIX into TARBALL, its top folder named TOP; nothing without a TARBALL.
pack_cache() {
    local prefix=$1 top=$2 tarball=$3
    [ -z "$tarball" ] && return 0
    echo "Packing $tarball"
    tar -C "$(dirname "$prefix")" -cf - --transform "s|^$(basename "$prefix")|$top|" \
        "$(basename "$prefix")" | xz -T"${PARLINO_JOBS:-2}" -6 > "$tarball"
}
