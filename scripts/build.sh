#!/usr/bin/env bash
# Configures and builds into build/ (the program lands at build/bin/telvo-vocabulary).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTELVO_WERROR=ON >/dev/null
cmake --build build -j "$(nproc)"
