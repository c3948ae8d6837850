#!/bin/bash
# Uses the real program as a person would (drive.py), on a copy of the demo skin, and
# checks that saving it unchanged rewrote it byte for byte. Screenshots of the editor
# window at 100 % and 200 % are left in the current folder.
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

"$here/session.sh" /usr/bin/python3 "$here/drive.py" "$exe" "$work/demo" "$PWD"

diff -r "$demo" "$work/demo" || { echo "FAIL: the saved skin differs from the original" >&2; exit 1; }
echo "PASS: the demo skin was opened, zoomed, saved unchanged and the program quit"
