#!/usr/bin/env bash
# Fails when an #include crosses a layer the wrong way: a folder may include only the folders
# its row below allows. Logic folders (no windows) may also not include Qt Gui or Widgets
# headers. Usage: check-layers.sh [SOURCE_TOP [QT_INCLUDE_DIR]]
set -euo pipefail
top=${1:-$(cd "$(dirname "$0")/.." && pwd)}
qt_include=${2:-}
cd "$top"

# Subsystems that follow the logic/ + windows/ convention.
subsystems="exercises groups sound idioms tools"
all_logic="platform app/core store"
for s in $subsystems; do all_logic+=" $s/logic"; done

# folder -> folders it may include (itself always). Longest folder prefix wins.
declare -A allowed=(
    [platform]=""
    [platform/gui]="platform"
    [app/core]="platform"
    [store]="platform app/core"
    [ui/common]="platform platform/gui app/core store"
    [app/windows]="platform platform/gui app/core store ui/common"
    [ui/main]="platform platform/gui app/core store ui/common app/windows"
    [app]="*"
    [tests]="*"
    [bench]="*"
    [fuzz]="*"
)
for s in $subsystems; do
    # A subsystem's logic may use the data stack and the other subsystems' logic.
    allowed[$s/logic]="$all_logic"
    # Its windows reach the main window only through ui/common's interface.
    allowed[$s/windows]="$all_logic platform/gui ui/common app/windows"
done
logic_folders=" $all_logic "

layer_of() { # path -> its folder in the table, or empty
    local p=$1 best="" f
    for f in "${!allowed[@]}"; do
        if [[ $p == "$f/"* && ${#f} -gt ${#best} ]]; then best=$f; fi
    done
    printf '%s' "$best"
}

gui_headers=""
if [ -n "$qt_include" ] && [ -d "$qt_include/QtWidgets" ]; then
    gui_headers=$( (ls "$qt_include/QtWidgets"; ls "$qt_include/QtGui") | grep -E '^Q[A-Za-z0-9]+$' | sort -u)
fi

problems=0
while IFS= read -r file; do
    from=$(layer_of "$file")
    [ -n "$from" ] || continue
    rule=${allowed[$from]}
    while IFS= read -r line; do
        inc=${line#*\"}
        inc=${inc%%\"*}
        [[ $inc == */* ]] || continue # a generated .moc or a file beside it
        to=$(layer_of "$inc")
        [ -n "$to" ] || continue
        [ "$to" = "$from" ] && continue
        [ "$rule" = "*" ] && continue
        if [[ " $rule " != *" $to "* ]]; then
            echo "$file: includes $inc ($from may not include $to)"
            problems=$((problems + 1))
        fi
    done < <(grep -E '^\s*#\s*include\s+"' "$file" || true)
    if [ -n "$gui_headers" ] && [[ $logic_folders == *" $from "* ]]; then
        while IFS= read -r line; do
            inc=${line#*<}
            inc=${inc%%>*}
            inc=${inc##*/}
            if grep -qx -- "$inc" <<<"$gui_headers"; then
                echo "$file: includes <$inc>, a Qt Gui/Widgets header, in a folder without windows"
                problems=$((problems + 1))
            fi
        done < <(grep -E '^\s*#\s*include\s+<Q' "$file" || true)
    fi
done < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||')

if [ "$problems" -gt 0 ]; then
    echo "$problems include(s) cross a layer the wrong way"
    exit 1
fi
echo "layers: every include goes downward"
