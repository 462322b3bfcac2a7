#!/usr/bin/env bash
# Installs the missing Debian packages of scripts/packages.txt, then configures
# and builds the program in Release under build/. Sourced by run.sh and test.sh.
set -euo pipefail

QVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QVO_BUILD="${QVO_BUILD:-$QVO_ROOT/build}"

qvo_install_packages() {
    local wanted=() missing=()
    mapfile -t wanted < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$QVO_ROOT/scripts/packages.txt")
    for pkg in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

qvo_build() {
    cmake -S "$QVO_ROOT" -B "$QVO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$QVO_BUILD" --parallel
}
