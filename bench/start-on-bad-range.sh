#!/usr/bin/env bash
# Starts the real program on a data folder of 30 records whose range file holds the given
# numbers (default: start 1, end 2^31-1) and all five histories, and prints how long the main
# window took to appear and the program's peak memory. Needs an X server (run it under
# xvfb-run) and xdotool. Usage: bench/start-on-bad-range.sh [PROGRAM] [START] [END]
set -euo pipefail
program="${1:-build/bin/telvo-vocabulary}"
start="${2:-1}"
end="${3:-2147483647}"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
folder="$home/data/Telvo_Lab/Telvo_Vocabulary_02"
mkdir -p "$folder" "$home/runtime"
chmod 700 "$home/runtime"
python3 - "$folder" "$start" "$end" <<'PY'
import struct, sys
folder, start, end = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
with open(folder + "/Vocabulary.dictdat", "wb") as f:
    for k in range(1, 31):
        r = bytearray(176)
        w = b"word%d" % k
        r[0] = len(w); r[1:1 + len(w)] = w
        r[160:168] = struct.pack("<d", 44260.0)
        f.write(r)
with open(folder + "/upragneniy.uprdat", "wb") as f:
    f.write(bytes(4) + struct.pack("<ii", start, end) + bytes(4))
for h in ("eng", "rus", "per_eng", "per_rus", "pair"):
    with open(folder + "/Stat_%s.dictstat" % h, "wb") as f:
        f.write(b"\x01\x01" + bytes(28))
PY
export XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime"
t0=$(date +%s.%N)
/usr/bin/time -v -o "$home/time.txt" "$program" &
timer=$!
xdotool search --sync --onlyvisible --name 'Лексикар' >/dev/null 2>&1 &
wait_pid=$!
shown=no
for _ in $(seq 1 1200); do
    if ! kill -0 "$wait_pid" 2>/dev/null; then
        shown=yes
        break
    fi
    sleep 0.05
done
t1=$(date +%s.%N)
[ "$shown" = yes ] || kill "$wait_pid"
# Let the start-up settle, then end the program (the child of time) by its id.
sleep 1
child=$(pgrep -P "$timer" || true)
[ -n "$child" ] && kill "$child"
wait "$timer" || true
printf 'window shown: %s after %.2f s\n' "$shown" "$(echo "$t1 - $t0" | bc)"
grep -E 'Maximum resident set size' "$home/time.txt"
echo "range file afterwards (start, end): $(od -A n -t d4 -j 4 -N 8 "$folder/upragneniy.uprdat" | xargs)"
