#!/usr/bin/env bash
# Kills the program's data changes at random moments and counts the states they leave that are
# not consistent. telvo-crash-driver makes OPS random mixed changes (add, insert, edit, delete,
# forgotten and excluded words, marks, range and history saves) of a dictionary of RECORDS
# records with a forgotten file and five histories; this script kills it with SIGKILL after a
# random pause, runs the start-up check, and asks the driver whether every aligned file fits
# the dictionary and the folder is the state logged before or after the change it was making.
# Then it starts the driver again, until all OPS are done. Run by hand, not in CI:
#
#   scripts/crash-soak.sh [BUILD_DIR]      (RECORDS=20000 OPS=200 MAX_PAUSE=0.4 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
driver=$build_dir/bin/telvo-crash-driver
records=${RECORDS:-20000}
ops=${OPS:-200}
max_pause=${MAX_PAUSE:-0.4}
if [ ! -x "$driver" ]; then
    echo "build $driver first: cmake --build $build_dir --target telvo-crash-driver" >&2
    exit 2
fi

base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
"$driver" init "$base" "$records"

kills=0
inconsistent=0
round=0
while :; do
    round=$((round + 1))
    "$driver" run "$base" "$ops" "$round" >/dev/null 2>>"$base/driver.err" &
    pid=$!
    pause=$(awk -v seed="$RANDOM$round" -v top="$max_pause" \
        'BEGIN { srand(seed); printf "%.3f", 0.01 + rand() * top }')
    sleep "$pause"
    if kill -9 "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null || true
        kills=$((kills + 1))
        printf 'kill %3d after %ss: ' "$kills" "$pause"
        if ! "$driver" check "$base"; then
            inconsistent=$((inconsistent + 1))
        fi
    else
        status=0
        wait "$pid" || status=$?
        if [ "$status" -ne 0 ]; then
            echo "the driver failed (status $status):" >&2
            cat "$base/driver.err" >&2
            exit 2
        fi
        break
    fi
done

printf 'final: '
"$driver" check "$base" || inconsistent=$((inconsistent + 1))
changes=$(grep -c '^change ' "$base/changes.log" || true)
echo "$ops changes done ($changes begun), $records records at the start, $kills kills"
echo "inconsistent states: $inconsistent"
[ "$inconsistent" -eq 0 ]
