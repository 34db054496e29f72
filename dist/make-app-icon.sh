#!/bin/sh
# Renders the program's icon dist/icon.svg into the PNG sizes installed beside
# it (dist/icons/<N>.png). Needs rsvg-convert (Debian package librsvg2-bin);
# the PNGs are kept in the repository, so a normal build does not need it.
set -eu
dir=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$dir/icons"
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" "$dir/icon.svg" -o "$dir/icons/$size.png"
done
echo "icons written to $dir/icons"
