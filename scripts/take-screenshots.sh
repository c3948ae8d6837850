#!/usr/bin/env bash
# Takes the README's screenshots from the real program: the demo skin in the editor
# window, with the toolbox beside it, at 100 % and 200 %. Needs a build
# (scripts/build.sh) and the packages of scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r examples/demo "$work/demo"
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
mkdir -p docs
tests/e2e/session.sh /usr/bin/python3 tests/e2e/screenshots.py "$PWD/build/src/morvanta" "$work/demo" "$PWD/docs"
