#!/usr/bin/env bash
# Takes the README's pictures (docs/screenshots/main-window.png, exercise.png) of the real
# program under a private Xvfb with a window manager, on a sample dictionary, as a user sees it:
# the main window, then the English words exercise opened by its key (Ctrl+E).
# Usage: scripts/readme-screenshots.sh [BUILD_DIR]   (needs xdotool, imagemagick, openbox)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
out=$top/docs/screenshots
cmake --build "$build" --target telvo-vocabulary -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
# Russian dates, as a user of the program sees them (given to the program alone: the shell may
# lack that locale and would warn).
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A first start makes the data folder; the sample dictionary then replaces its empty one.
data=$XDG_DATA_HOME/Telvo_Lab/Telvo_Vocabulary_02
mkdir -p "$out"
xvfb-run -a -s "-noreset -screen 0 1280x860x24" bash -c '
    set -euo pipefail
    build=$1 work=$2 data=$3 out=$4 top=$5
    openbox >/dev/null 2>&1 &
    sleep 1
    shoot() { # window-id file
        import -window "$1" -frame "$work/$2" 2>/dev/null || import -window "$1" "$work/$2"
        # 256 colours keep a window picture sharp at a fraction of its size.
        convert "$work/$2" -strip -colors 256 PNG8:"$out/$2"
    }
    start() {
        LC_ALL=ru_RU.UTF-8 "$build/bin/telvo-vocabulary" & pid=$!
        win=$(timeout 30 xdotool search --sync --onlyvisible --class telvo-vocabulary | head -n1)
    }
    start
    kill "$pid"; wait "$pid" 2>/dev/null || true
    python3 "$top/scripts/sample-dictionary.py" "$data/Vocabulary.dictdat" 70 >/dev/null
    start
    sleep 1
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    shoot "$win" main-window.png
    xdotool key --window "$win" ctrl+e
    sleep 2
    exercise=$(xdotool getactivewindow)
    [ "$exercise" != "$win" ] || { echo "the exercise did not open" >&2; exit 1; }
    shoot "$exercise" exercise.png
    kill "$pid"
' _ "$build" "$work" "$data" "$out" "$top"
ls -l "$out"
