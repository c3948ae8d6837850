#!/bin/bash
# Runs a command on a fresh X display (Xvfb) with a session bus and the accessibility
# bus on it, so that programs started by the command show their accessibility tree.
# Exits with 77 (skipped) when a tool it needs is missing.
#
# Usage: session.sh <command> [arguments...]
set -euo pipefail

if [[ -z "${MORVANTA_SESSION:-}" ]]; then
    for tool in xvfb-run xdotool import dbus-run-session /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    /usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    exec env MORVANTA_SESSION=1 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true' EXIT

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
"$@"
