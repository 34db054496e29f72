#!/bin/sh
# Regenerates the user guide's tree images and separator cursor in
# data/Help/icons (open.ico, close.ico, doc.ico, move.ico). Needs ImageMagick.
set -eu
dir=$(cd "$(dirname "$0")/../Help/icons" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 16x16 xc:none -fill '#e8c65a' -stroke '#8a6d1c' \
    -draw "polygon 1,4 6,4 7,6 14,6 14,14 1,14" "$tmp/close.png"
convert -size 16x16 xc:none -fill '#f3da84' -stroke '#8a6d1c' \
    -draw "polygon 1,4 6,4 7,6 13,6 13,8 4,8 1,14" -draw "polygon 4,8 15,8 12,14 1,14" "$tmp/open.png"
convert -size 16x16 xc:none -fill white -stroke '#555555' -draw "polygon 3,1 10,1 13,4 13,15 3,15" \
    -stroke '#7799cc' -draw "line 5,6 11,6" -draw "line 5,9 11,9" -draw "line 5,12 11,12" "$tmp/doc.png"
convert -size 32x32 xc:none -stroke black -strokewidth 2 -draw "line 4,16 28,16" \
    -draw "line 15,6 15,26" -draw "line 17,6 17,26" -fill black \
    -draw "polygon 2,16 8,11 8,21" -draw "polygon 30,16 24,11 24,21" "$tmp/move.png"
for f in open close doc move; do
    convert "$tmp/$f.png" "$dir/$f.ico"
done
echo "icons written to $dir"
