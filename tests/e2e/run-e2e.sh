#!/bin/bash
# Uses the real program as a person would (drive.py), on a copy of the demo skin: the
# saved files must differ from the demo's only by the edits it made. Screenshots of
# the editor window at 100 % and 200 % are left in the current folder.
#
# Usage: run-e2e.sh <morvanta executable> <source folder>
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 <morvanta executable> <source folder>" >&2
    exit 2
fi
exe=$(realpath "$1")
demo="$(realpath "$2")/examples/demo"
here=$(dirname "$(realpath "$0")")
[[ -f "$demo/demo.skin" ]] || { echo "SKIP: no demo skin in $demo"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$demo" "$work/demo"
# Keep the program's preferences and caches out of the user's home.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"

"$here/session.sh" /usr/bin/python3 "$here/drive.py" "$exe" "$work/demo" "$demo" "$PWD"
echo "PASS: the demo skin was opened, a page picked, a button removed, a button dragged, a label resized, a button copied and pasted, zoomed, saved and reopened from Open Recent"
