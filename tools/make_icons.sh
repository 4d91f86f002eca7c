#!/usr/bin/env bash
# Makes the raster icons from data/talvora.svg: PNG sizes for the window (a Qt resource,
# so no SVG support is needed at run time) and talvora.ico for the Windows executable.
# Run it after changing the SVG and commit what it writes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/tools/packages.sh"
install_missing librsvg2-bin icoutils
out=$here/data/icons
mkdir -p "$out"
pngs=()
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$here/data/talvora.svg" -o "$out/talvora-$size.png"
    pngs+=("$out/talvora-$size.png")
done
# The 256 px image goes in as PNG, the way Windows reads large icons.
icotool -c -o "$out/talvora.ico" "${pngs[@]:0:6}" -r "$out/talvora-256.png"
