#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds Talvora.
# Usage: tools/setup.sh [build-folder] [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true

packages=(cmake ninja-build g++ pkg-config libicu-dev libssl-dev libcli11-dev libgtest-dev
          libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev libgl-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

cmake -S "$here" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
