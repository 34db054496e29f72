#!/usr/bin/env bash
# The Debian package as a designer's machine gets it: builds it with cpack
# from an already built build folder, checks it with lintian, installs it with
# apt-get (as root), starts the installed /usr/bin/tellum on a private X
# display with a fresh HOME and uses it there with real mouse clicks. Checks
# that it puts an empty basin.mdb into $HOME/.local/share/Tellum, shows its
# main window, opens that database, a manual page and the guide's first page
# from the installed files. The package is removed again whatever happens.
# Usage: dist/package-check.sh BUILD_DIR [SCREENSHOT.png]
# Needs: dpkg-dev, file, lintian, xvfb, xdotool (and imagemagick for the
# screenshot).
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR [SCREENSHOT.png]}" && pwd)
screenshot=${2:-}
[ "$(id -u)" -eq 0 ] || { echo "package-check: installing the package needs root" >&2; exit 2; }
if dpkg-query -W -f='${Status}' tellum 2>/dev/null | grep -q "install ok installed"; then
    echo "package-check: a tellum package is installed already; not replacing it" >&2
    exit 2
fi

work=$(mktemp -d)
app_pid="" xvfb_pid=""
cleanup() {
    set +e
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 purge -y -qq tellum >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

step() { echo "package-check: $*"; }
fail() {
    echo "package-check: FAILED: $*" >&2
    [ -s "$work/tellum.log" ] && sed 's/^/  tellum: /' "$work/tellum.log" >&2
    exit 1
}
# wait_for SECONDS WHAT COMMAND...: polls until COMMAND succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "$what"
}

# The visible windows of exactly this caption (xdotool takes a pattern).
windows_named() { xdotool search --onlyvisible --name "^$(sed 's/[][\.*^$(){}+?|]/\\&/g' <<<"$1")\$"; }

# 1. The package, and what lintian says of it.
step "building the package"
(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$build"/tellum_*_"$(dpkg --print-architecture)".deb)
dpkg-deb -f "$deb" Package Version Depends
step "lintian"
lintian --fail-on error "$deb" || fail "lintian reports errors"

# 2. Installed as IT would: apt-get resolves the dependencies.
step "installing $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get install"; }
entry=/usr/share/applications/org.arvenna.Tellum.desktop
program=$(sed -n 's/^Exec=//p' "$entry")
[ "$program" = /usr/bin/tellum ] && [ -x "$program" ] || fail "the menu entry starts '$program'"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the menu entry's icon $icon is not installed"

# 3. Started as from the menu, on a private display, by a new user.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
wait_for 10 "Xvfb did not start" test -s "$work/display"
export DISPLAY=:$(cat "$work/display")
home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_DATA_DIRS HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="tellum.files.info=true" "$program" >"$work/tellum.log" 2>&1 &
app_pid=$!
step "started $program (HOME=$home, DISPLAY=$DISPLAY)"

caption="Zelt Tellum - Version $(dpkg-deb -f "$deb" Version)"
wait_for 30 "no window '$caption'" windows_named "$caption"
main=$(windows_named "$caption" | head -1)
step "main window '$caption' shown"
database=$home/.local/share/Tellum/basin.mdb
[ -f "$database" ] && [ ! -s "$database" ] || fail "no empty $database"
step "created $database"

# Without a window manager every window opens at (0,0): each window opened
# from the toolbar is moved aside so that the toolbar stays in reach.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
logged() { grep -qF "tellum.files: opened $1" "$work/tellum.log"; }
open_from_toolbar() {  # X of the toolbar button, the window's caption, where to move it
    click "$main" "$1" 20
    wait_for 10 "no window '$2'" windows_named "$2"
    local window
    window=$(windows_named "$2" | head -1)
    xdotool windowmove "$window" "$3" "$4"
    echo "$window"
}

click "$main" 400 252  # "I  have read the disclaimer", centred at the disclaimer's foot
open_from_toolbar 49 "List of Table(s) in Basin.mdb" 820 700 >/dev/null  # Open Table
wait_for 10 "the project database was not opened" logged "$database"
step "opened $database"
# The toolbar's "Information" button: left 3020 twips (201 pixels), 25 pixels wide.
viewer=$(open_from_toolbar 213 "Excerpt from Manual for Erosion and Sediment Control in Arvenna" 820 0)
click "$viewer" 64 632  # ">"
wait_for 10 "the first manual page was not opened" logged /usr/share/tellum/docs/page1.gif
step "opened /usr/share/tellum/docs/page1.gif"
click "$main" 187 20  # Help: left 2630 twips (175 pixels), 25 pixels wide
wait_for 10 "the guide's first page was not opened" logged /usr/share/tellum/Help/Main.html
step "opened /usr/share/tellum/Help/Main.html"

if [ -n "$screenshot" ]; then
    sleep 1
    import -window root "$screenshot"
    step "screenshot $screenshot"
fi
step "passed"
