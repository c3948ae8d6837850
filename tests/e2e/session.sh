#!/bin/bash
# Runs a command on a fresh X display (Xvfb) with a session bus and the accessibility
# bus on it, so that programs started by the command show their accessibility tree.
# Exits with 77 (skipped) when a tool it needs is missing.
#
# Usage: session.sh <command> [arguments...]
set -euo pipefail

if [[ -z "${MORVANTA_SESSION:-}" ]]; then
    for tool in xvfb-run xdotool import dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    /usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    # A display number of its own: a server of the session before may still be going
    # away on the first free number and take its socket with it.
    exec env MORVANTA_SESSION=1 xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" \
        dbus-run-session -- "$0" "$@"
fi

# A runtime folder of its own, where the accessibility bus puts its socket, so that
# sessions on the same display number never meet.
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true; rm -rf "$runtime"' EXIT
# A program started before the display and the bus answer fails to start, or runs
# without its accessibility tree.
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 &&
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 &&
        break
    sleep 0.1
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
"$@"
