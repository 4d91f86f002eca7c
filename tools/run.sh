#!/usr/bin/env bash
# Builds Talvora and starts it: the window where there is a display, otherwise an
# encode and decode round trip of a sample text with the command line.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/setup.sh" "$here/build"
cd "$here/build"
if [ -x ./talvora ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec ./talvora
fi
echo "No display here: running a command-line round trip instead."
export TALVORA_CODEPAGE=windows-1252
text="The quick brown fox jumps over the lazy dog."
key=918273645546372819
echo "plain:   $text"
coded=$(echo "$text" | ./talvora-cli encode --dictionary eng.dic --key "$key")
echo "encoded: $coded"
decoded=$(echo "$coded" | ./talvora-cli decode --dictionary eng.dic --key "$key")
echo "decoded: $decoded"
