#!/bin/bash
# Uses the real program as a person would: opens the demo skin through the Open
# dialog, zooms to 200 % in the toolbox, saves without changing anything and quits.
# The saved files must equal the originals byte for byte. Screenshots of the editor
# window at 100 % and 200 % are left in the current folder.
#
# Usage: run-e2e.sh <morvanta executable> <source folder>
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 <morvanta executable> <source folder>" >&2
    exit 2
fi
exe=$(realpath "$1")
source_dir=$(realpath "$2")
demo="$source_dir/examples/demo"
shots=$PWD

if [[ -z "${MORVANTA_E2E_DISPLAY:-}" ]]; then
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    [[ -f "$demo/demo.skin" ]] || { echo "SKIP: no demo skin in $demo"; exit 77; }
    exec env MORVANTA_E2E_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
app_pid=
cleanup() {
    if [[ -n "$app_pid" ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to 20 s for a visible window whose title matches; prints its id.
wait_for_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Saves the part of the screen the window covers.
screenshot() {
    local window=$1 file=$2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$file"
    echo "screenshot: $file (${WIDTH}x${HEIGHT})"
}

focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.3
}

cp -r "$demo" "$work/demo"
touch "$work/copied"
sleep 1 # so that files the save rewrites are clearly newer than the copies
title=$(sed -n 's/^TITLE="\([^"]*\)".*/\1/p' "$demo/demo.skin" | tr -d '\r' | head -n 1)

# Keep the program's preferences and caches out of the user's home.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
unset QT_QPA_PLATFORM

"$exe" &
app_pid=$!

editor=$(wait_for_window '^Morvanta') || fail "the editor window did not appear"
toolbox=$(wait_for_window '^Toolbox$') || fail "the toolbox did not appear"
sleep 0.5

focus "$editor"
xdotool key ctrl+o
dialog=$(wait_for_window '^Open\.\.\.$') || fail "ctrl+o showed no Open dialog"
focus "$dialog"
xdotool type --delay 10 "$work/demo/demo.skin"
xdotool key Return
wait_for_window "^${title}" >/dev/null || fail "the demo skin was not opened (no window titled \"$title\")"
sleep 1
screenshot "$editor" "$shots/e2e-zoom100.png"

# Prints the editor window's width.
editor_width() {
    eval "$(xdotool getwindowgeometry --shell "$editor")"
    echo "$WIDTH"
}

# Zoom: open the toolbox's zoom menu with the mouse and choose "200 %". A busy machine
# may open the menu late, so look for the wider window and try again if it is not there.
for attempt in 1 2 3; do
    xdotool mousemove --window "$toolbox" 45 24 click 1
    sleep 0.7
    xdotool key Down Down Return
    for _ in $(seq 25); do
        [[ "$(editor_width)" -eq 416 ]] && break 2
        sleep 0.2
    done
    echo "zoom attempt $attempt: the editor window is still $(editor_width) pixels wide"
done
[[ "$(editor_width)" -eq 416 ]] || fail "at 200 % the editor window is $(editor_width) pixels wide, not 416"
sleep 0.5
screenshot "$editor" "$shots/e2e-zoom200.png"

focus "$editor"
xdotool key ctrl+s
for _ in $(seq 50); do
    [[ -n "$(find "$work/demo" -newer "$work/copied" -type f)" ]] && break
    sleep 0.2
done
sleep 0.5
xdotool key ctrl+q
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "ctrl+q did not quit the program"
fi
wait "$app_pid" || fail "the program exited with status $?"
app_pid=

# Saving must have happened (it rewrites the files) and changed nothing.
saved_after=$(find "$work/demo" -newer "$work/copied" -type f | wc -l)
[[ "$saved_after" -gt 0 ]] || fail "ctrl+s wrote no file"
diff -r "$demo" "$work/demo" || fail "the saved skin differs from the original"
echo "PASS: the demo skin was opened, zoomed, saved unchanged and the program quit"
