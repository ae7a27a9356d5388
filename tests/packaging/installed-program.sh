#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program: it must take its
# own files from <prefix>/share/telvo-vocabulary, and under X show its window with the program's
# class and icon. Usage: installed-program.sh BUILD_DIR [CMAKE]
set -euo pipefail
build=$1
cmake=${2:-cmake}
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/telvo-vocabulary share/applications/org.telvolab.Vocabulary.desktop \
         share/metainfo/org.telvolab.Vocabulary.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.telvolab.Vocabulary.svg \
         share/icons/hicolor/48x48/apps/org.telvolab.Vocabulary.png \
         share/telvo-vocabulary/user_manual/User_manual_telvo_vocabulary.pdf; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -d "$prefix/share/telvo-vocabulary" ] || fail "no program folder in share/"

# The installed program, not the one in the build tree, and from a folder of no meaning.
folder=$(cd / && QT_QPA_PLATFORM=offscreen "$prefix/bin/telvo-vocabulary" --program-folder)
[ "$folder" = "$prefix/share/telvo-vocabulary" ] || fail "program folder is '$folder'"
# Every file installed into the program folder is found there.
(cd "$prefix/share/telvo-vocabulary" && find . -type f) | while read -r f; do
    [ -f "$folder/$f" ] || fail "program folder lacks $f"
done
echo "program folder: $folder"

# The window under X (the suite runs under Xvfb); offscreen has no windows to look at.
if [ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null; then
    export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    env -u QT_QPA_PLATFORM "$prefix/bin/telvo-vocabulary" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --class telvo-vocabulary |
        head -n1) || fail "no window of class telvo-vocabulary"
    kill -0 "$pid" || fail "the program ended"
    class=$(xprop -id "$window" WM_CLASS)
    [ "$class" = 'WM_CLASS(STRING) = "telvo-vocabulary", "telvo-vocabulary"' ] ||
        fail "window class: $class"
    # The head only: xprop draws every size of the icon.
    icon=$(xprop -id "$window" _NET_WM_ICON | head -c 200) || true
    grep -q 'Icon (16 x 16)' <<<"$icon" || fail "no window icon: $icon"
    [ -f "$XDG_DATA_HOME/Telvo_Lab/Telvo_Vocabulary_02/Vocabulary.dictdat" ] ||
        fail "the data folder was not prepared"
    echo "window $window shown"
fi
echo "installed program OK"
