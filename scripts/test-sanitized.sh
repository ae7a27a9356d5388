#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
# runs the whole test suite there, offscreen under Xvfb as scripts/test.sh does. Any memory
# error, leak or undefined behaviour fails the test that ran into it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTELVO_WERROR=ON \
    -DTELVO_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build-asan -j "$(nproc)"
cd build-asan
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
sanitizers="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/../scripts/lsan.supp:print_suppressions=0"
run() {
    xvfb-run -a -s "-noreset -screen 0 1600x1000x24" \
        ctest --output-on-failure -j "$(nproc)" "$@"
}
# app_window_tests throws from event handlers on purpose, through Qt frames that leak the
# event copies on the way (see lsan.supp). Qt is built without frame pointers, so only full
# stacks reach the frames the suppressions name; they make a run several times slower, which
# the timing of the other window tests does not bear. So that test runs on its own with them.
ASAN_OPTIONS="$sanitizers" run -E '^app_window_tests$' "$@"
ASAN_OPTIONS="$sanitizers:fast_unwind_on_malloc=0" run -R '^app_window_tests$' "$@"
