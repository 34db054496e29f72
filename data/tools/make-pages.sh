#!/bin/sh
# Regenerates the manual excerpt pages: data/docs/page0.gif ... page16.gif and
# the viewer's built-in title page ui/resources/manual_title.gif.
# Needs the project's build tools, Qt 6 and ImageMagick's `convert`.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-$root/build-pages}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target tellum_make_pages >/dev/null
QT_QPA_PLATFORM=offscreen "$build/data/tools/tellum_make_pages" "$out"

for png in "$out"/page*.png; do
    name=$(basename "$png" .png)
    convert "$png" -colors 64 "$root/data/docs/$name.gif"
done
convert "$out/title.png" -colors 64 "$root/ui/resources/manual_title.gif"
echo "pages written to $root/data/docs and the title page to $root/ui/resources"
