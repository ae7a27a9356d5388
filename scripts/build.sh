#!/usr/bin/env bash
# Configures and builds into build/ (the program lands at build/bin/telvo-vocabulary). Extra
# arguments go to the configure step (for example -DTELVO_SANITIZE=ON with another BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
launcher=()
# A compiler cache makes rebuilds after a branch switch cheap; the build works without it.
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTELVO_WERROR=ON \
    "${launcher[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
