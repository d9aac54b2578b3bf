#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the game need.
# Usage: scripts/install-deps.sh [run|test]
# Only missing packages are installed; when all are present it does nothing.
set -euo pipefail

build_packages=(cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev fonts-liberation
                libgtest-dev libbenchmark-dev)
test_packages=(xvfb xauth xdotool x11-utils imagemagick clang libclang-rt-14-dev valgrind
               clang-format)

packages=("${build_packages[@]}")
if [ "${1:-run}" = "test" ]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        SUDO=sudo
    else
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them as root with:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
else
    SUDO=
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
