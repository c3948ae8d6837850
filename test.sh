#!/usr/bin/env bash
# Builds Morvanta (installing what is missing) and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
