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

# debian_source FOLDER PACKAGE[=VERSION]: downloads Debian's source package into FOLDER, from the
# archives this system installs from: each of its apt entries as a deb-src one, in an apt
# configuration of FOLDER's own (the system's stays as it is). apt checks every file against the
# signed index. Without a VERSION, the newest that a mirror can deliver (a security update's files
# may reach a mirror after its index).
debian_source() {
    local folder=$1 package=${2%%=*} list sources options version
    mkdir -p "$folder/apt/lists/partial" "$folder/apt/archives/partial" "$folder/apt/sources.list.d"
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$list" ]; then sed -nE 's/^deb([[:space:]])/deb-src\1/p' "$list"; fi
    done > "$folder/apt/sources.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$sources" ]; then
            sed -E 's/^Types:.*/Types: deb-src/' "$sources" > "$folder/apt/sources.list.d/${sources##*/}"
        fi
    done
    options=(-q -o "Dir::Etc::SourceList=$folder/apt/sources.list"
             -o "Dir::Etc::SourceParts=$folder/apt/sources.list.d"
             -o "Dir::State::Lists=$folder/apt/lists" -o "Dir::Cache::Archives=$folder/apt/archives"
             -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
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

# Packs a finished cache PREFIX into TARBALL, its top folder named TOP; nothing without a TARBALL.
pack_cache() {
    local prefix=$1 top=$2 tarball=$3
    [ -z "$tarball" ] && return 0
    echo "Packing $tarball"
    tar -C "$(dirname "$prefix")" -cf - --transform "s|^$(basename "$prefix")|$top|" \
        "$(basename "$prefix")" | xz -T"${PARLINO_JOBS:-2}" -6 > "$tarball"
}
