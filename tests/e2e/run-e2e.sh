#!/bin/bash
# Uses the real program as a person would, under Xvfb with the accessibility bus on, so
# that drive.py finds the controls by role and name. The saved demo skin must equal the
# original byte for byte. Screenshots of the editor window at 100 % and 200 % are left
# in the current folder.
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
here=$(dirname "$(realpath "$0")")

if [[ -z "${MORVANTA_E2E_SESSION:-}" ]]; then
    for tool in xvfb-run xdotool import dbus-run-session /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    /usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    [[ -f "$demo/demo.skin" ]] || { echo "SKIP: no demo skin in $demo"; exit 77; }
    exec env MORVANTA_E2E_SESSION=1 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
launcher=
cleanup() {
    [[ -n "$launcher" ]] && kill "$launcher" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The bus that carries the accessibility tree; Qt finds it through the session bus.
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!

cp -r "$demo" "$work/demo"
# Keep the program's preferences and caches out of the user's home.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM

/usr/bin/python3 "$here/drive.py" "$exe" "$work/demo" "$PWD"

# Saving must have changed nothing.
diff -r "$demo" "$work/demo" || { echo "FAIL: the saved skin differs from the original" >&2; exit 1; }
echo "PASS: the demo skin was opened, zoomed, saved unchanged and the program quit"
