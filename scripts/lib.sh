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
