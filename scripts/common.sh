# Shared by the run and test commands: installs the Debian packages that are
# missing, then configures and builds a build tree incrementally.
set -euo pipefail

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

VELMORA_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    fonts-dejavu-core fonts-noto-cjk fonts-tlwg-garuda-ttf
    libbenchmark-dev
    unzip
)

# What the package step needs besides: the Debian package's tools and the
# checks of what it installs.
VELMORA_PACKAGE_TOOLS=(dpkg-dev file)
VELMORA_PACKAGE_CHECKS=(desktop-file-utils appstream lintian)

velmora_install_packages() {
    # The packages found installed are noted; while the package database has
    # not changed since, a second run asks it nothing.
    local stamp="$VELMORA_ROOT/.cache/debian-packages" known="" installed missing=()
    if [ -f "$stamp" ] && [ "$stamp" -nt /var/lib/dpkg/status ]; then
        IFS= read -r -d '' known <"$stamp" || true
        for package in "$@"; do
            [[ $'\n'"$known" == *$'\n'"$package"$'\n'* ]] || { known=""; break; }
        done
        if [ -n "$known" ]; then return 0; fi
    fi
    # One query for all of them, not one per package.
    installed=$(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "$@" 2>/dev/null || true)
    installed=$'\n'"$installed"$'\n'
    for package in "$@"; do
        [[ "$installed" == *$'\n'"$package ii "$'\n'* ]] || missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        mkdir -p "$(dirname "$stamp")"
        printf '%s\n' "$@" >"$stamp"
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# velmora_configured_with DIR [-DNAME=VALUE...]: whether DIR's cache holds
# every one of these values already.
velmora_configured_with() {
    local dir=$1 option name value
    shift
    for option in "$@"; do
        [[ "$option" =~ ^-D([A-Za-z0-9_]+)(:[A-Z]+)?=(.*)$ ]] || return 1
        name=${BASH_REMATCH[1]}
        value=${BASH_REMATCH[3]}
        grep -qxF -e "$name:BOOL=$value" -e "$name:STRING=$value" -e "$name:PATH=$value" \
            -e "$name:FILEPATH=$value" -e "$name:UNINITIALIZED=$value" "$dir/CMakeCache.txt" ||
            return 1
    done
}

# velmora_build DIR [cmake options...] [-- targets...]: configures DIR once
# (and applies the options again to a build tree that exists), then builds the
# targets, or everything. A tree that is configured already is not configured
# again unless the build files changed: the build checks that itself.
velmora_build() {
    local dir=$1
    shift
    local options=() targets=()
    while [ $# -gt 0 ]; do
        if [ "$1" = "--" ]; then
            shift
            targets=("$@")
            break
        fi
        options+=("$1")
        shift
    done
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
    elif ! velmora_configured_with "$dir" "${options[@]}"; then
        cmake -S "$VELMORA_ROOT" -B "$dir" "${options[@]}" >/dev/null
    fi
    # Ninja itself: it configures again when a build file changed.
    (cd "$dir" && ninja -j "$(nproc)" "${targets[@]}")
}
