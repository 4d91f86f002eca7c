#!/usr/bin/env bash
# Builds Talvora and runs the whole test suite.
# TALVORA_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${TALVORA_SANITIZE:-0}" = 1 ]; then
    build=$here/build-asan
    "$here/tools/setup.sh" "$build" -DTALVORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DTALVORA_BUILD_BENCH=OFF
else
    build=$here/build
    "$here/tools/setup.sh" "$build"
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2
