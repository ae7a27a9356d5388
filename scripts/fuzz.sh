#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs each one for at
# most SECONDS seconds (default 30) on a copy of its seed corpus fuzz/corpus/<target>/, so the
# repository's corpus is never written to. Prints the executions of each run; a property that
# fails, a crash or a sanitizer report stops with the input left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/install-deps.sh
if ! command -v clang++ >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q clang
fi
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTELVO_FUZZ=ON "${launcher[@]}" >/dev/null

targets=()
for dir in fuzz/corpus/*/; do
    targets+=("$(basename "$dir")")
done
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

# Scratch files of the targets in memory, not on disk.
export TMPDIR="${TMPDIR:-/dev/shm}"
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build-fuzz/artifacts
status=0
for t in "${targets[@]}"; do
    work="build-fuzz/corpus/$t"
    rm -rf "$work"
    mkdir -p "$work"
    cp -r "fuzz/corpus/$t/." "$work/"
    log="build-fuzz/$t.log"
    if build-fuzz/bin/"$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=1024 -artifact_prefix="build-fuzz/artifacts/$t-" "$work" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    printf '%-24s %-6s %10s executions  %8s/s\n' "$t" "$result" "${runs:-?}" "${speed:-?}"
done
exit "$status"
