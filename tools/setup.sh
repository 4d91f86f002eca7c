#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds Talvora.
# Usage: tools/setup.sh [build-folder] [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true

packages=(cmake ninja-build g++ pkg-config libicu-dev libssl-dev libcli11-dev libgtest-dev
          libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev qt6-l10n-tools qt6-tools-dev
          libhunspell-dev)
. "$here/tools/packages.sh"
install_missing "${packages[@]}" "${hunspell_packages[@]}"

cmake -S "$here" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
