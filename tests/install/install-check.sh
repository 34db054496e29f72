#!/bin/sh
# Installs the build into a fresh prefix and checks that every file of an
# installed Tellum is in place: the program, docs/ and Help/ as in the
# sources, the menu entry whose Exec and Icon resolve under the prefix, the
# AppStream data, the icon in every size, the manual page.
# Usage: install-check.sh BUILD_DIR PREFIX SOURCE_DIR APP_ID
set -eu
build=$1 prefix=$2 source=$3 id=$4
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { [ -f "$prefix/$1" ] || fail "$1 is not installed"; }

[ -x "$prefix/bin/tellum" ] || fail "bin/tellum is not an installed executable"
[ -x "$prefix/bin/tellum-publish" ] || fail "bin/tellum-publish is not an installed executable"
for folder in docs Help; do
    diff -r "$source/data/$folder" "$prefix/share/tellum/$folder" >/dev/null ||
        fail "share/tellum/$folder differs from data/$folder"
done
entry=share/applications/$id.desktop
need "$entry"
need "share/metainfo/$id.metainfo.xml"
need "share/icons/hicolor/scalable/apps/$id.svg"
for size in 48 128 256; do
    need "share/icons/hicolor/${size}x$size/apps/$id.png"
done
need share/man/man1/tellum.1.gz

# The menu entry starts the installed program and shows the installed icon.
if [ -f "$prefix/$entry" ]; then
    exec_line=$(sed -n 's/^Exec=//p' "$prefix/$entry")
    program=$(PATH="$prefix/bin" command -v "${exec_line%% *}" || true)
    [ "$program" = "$prefix/bin/tellum" ] || fail "Exec=$exec_line does not start $prefix/bin/tellum"
    icon=$(sed -n 's/^Icon=//p' "$prefix/$entry")
    [ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "Icon=$icon is not in the hicolor theme"
fi

[ "$failures" -eq 0 ] && echo "every file installed under $prefix"
exit "$failures"
