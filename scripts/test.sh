#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Window tests run offscreen; the few
# that need a real X server get one from Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
xvfb-run -a -s "-noreset -screen 0 1600x1000x24" \
    ctest --output-on-failure -j "$(nproc)" "$@"
