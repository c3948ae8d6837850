#!/usr/bin/env bash
# Builds Morvanta (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec build/src/morvanta "$@"
