#!/usr/bin/env bash
# Takes the README's screenshots: the demo skin in the real editor window, with the
# toolbox beside it, at 100 % and 200 %. Needs a build (scripts/build.sh) and the
# packages of scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${MORVANTA_SHOT_DISPLAY:-}" ]]; then
    exec env MORVANTA_SHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r examples/demo "$work/demo"
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
unset QT_QPA_PLATFORM

build/src/morvanta &
pid=$!
sleep 2
editor=$(xdotool search --onlyvisible --name '^Morvanta' | head -n 1)
toolbox=$(xdotool search --onlyvisible --name '^Toolbox$' | head -n 1)
xdotool windowfocus --sync "$editor"
xdotool key ctrl+o
sleep 1
xdotool type --delay 10 "$work/demo/demo.skin"
xdotool key Return
sleep 2

# The editor sits at the top left and the toolbox 40 pixels to its right.
shoot() {
    eval "$(xdotool getwindowgeometry --shell "$toolbox")"
    local right=$((X + WIDTH + 8))
    eval "$(xdotool getwindowgeometry --shell "$editor")"
    import -window root -crop "${right}x${HEIGHT}+0+0" +repage "$1"
    echo "wrote $1"
}
mkdir -p docs
shoot docs/screenshot-100.png
xdotool mousemove --window "$toolbox" 45 24 click 1
sleep 0.5
xdotool key Down Down Return
sleep 1.5
shoot docs/screenshot-200.png
