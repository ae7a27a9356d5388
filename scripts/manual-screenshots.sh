#!/usr/bin/env bash
# Takes the user manual's pictures (docs/manual/images/*.png) of the real program under a private
# Xvfb with a window manager, on a sample dictionary, as a user sees them: the main window and
# the windows its command keys open, each closed again with Esc.
# Usage: scripts/manual-screenshots.sh [BUILD_DIR]   (needs xdotool, imagemagick, openbox)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
out=$top/docs/manual/images
cmake --build "$build" --target telvo-vocabulary -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
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
    # The window a command key opens, shot and closed again with Esc.
    window() { # keys file
        xdotool windowactivate --sync "$win" 2>/dev/null || true
        sleep 0.5
        xdotool key "$1"
        sleep 2
        local w
        w=$(xdotool getactivewindow 2>/dev/null || true)
        if [ -z "$w" ] || [ "$w" = "$win" ]; then
            echo "$1 opened no window" >&2
            return 1
        fi
        shoot "$w" "$2"
        xdotool key Escape
        sleep 1
    }
    start
    kill "$pid"; wait "$pid" 2>/dev/null || true
    python3 "$top/scripts/sample-dictionary.py" "$data/Vocabulary.dictdat" 70 >/dev/null
    start
    sleep 1
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    shoot "$win" main-window.png
    window ctrl+e english-words.png
    window ctrl+alt+r from-russian.png
    window ctrl+s pairs.png
    window F6 range.png
    window ctrl+i history-reset.png
    window F2 archive.png
    window ctrl+alt+s download.png
    window ctrl+a about.png
    kill "$pid"
' _ "$build" "$work" "$data" "$out" "$top"
ls -l "$out"
