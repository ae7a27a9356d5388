#!/usr/bin/env bash
# Mutation check, run by hand (not part of CI): each row of the table below is a one-line
# change to the program. The changes are applied one at a time to a scratch copy of the tree;
# after each the copy is rebuilt and the tests that could catch it are run. A change that
# builds and passes those tests is a survivor: the suite lets that wrong byte or wrong
# comparison through. The survivors are printed at the end; the exit status is their count.
#
#   scripts/mutants.sh [-a] [FILTER]
#     -a      run the whole suite (ctest under Xvfb) after every change instead of the
#             GoogleTest binaries; much slower
#     FILTER  only the rows whose name contains FILTER
#
# Scratch copy and its build: ${MUTANTS_DIR:-/tmp/telvo-mutants}; the first run builds it all
# (ccache makes that quick after a normal build), later runs only what a change touches.
set -uo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
work="${MUTANTS_DIR:-/tmp/telvo-mutants}"
src="$work/src"
build="$work/build"
whole_suite=0
if [ "${1:-}" = "-a" ]; then
    whole_suite=1
    shift
fi
filter="${1:-}"

# name | file | occurrence of the text in the file (1 = first) | text | replacement
# (changes to a header come last: each rebuilds most of the tree)
mutants=$(
    cat <<'EOF'
insert-to-end-start|store/Range.cpp|1|if (p < range.Nachalo_diapazona)|if (p <= range.Nachalo_diapazona)
insert-fixed-start|store/Range.cpp|2|if (p < range.Nachalo_diapazona)|if (p <= range.Nachalo_diapazona)
insert-fixed-inside-low|store/Range.cpp|1|range.Nachalo_diapazona <= p &&|range.Nachalo_diapazona < p &&
insert-fixed-inside-high|store/Range.cpp|1|p < range.Konets_diapazona)|p <= range.Konets_diapazona)
insert-to-end-end|store/Range.cpp|3|r.Konets_diapazona = newCount;|r.Konets_diapazona = newCount - 1;
insert-whole-end|store/Range.cpp|2|r.Konets_diapazona = newCount;|r.Konets_diapazona = newCount + 1;
delete-to-end-start|store/Range.cpp|1|if (n < range.Nachalo_diapazona)|if (n <= range.Nachalo_diapazona)
delete-fixed-start|store/Range.cpp|2|if (n < range.Nachalo_diapazona)|if (n <= range.Nachalo_diapazona)
delete-fixed-inside-low|store/Range.cpp|1|range.Nachalo_diapazona <= n &&|range.Nachalo_diapazona < n &&
delete-fixed-inside-high|store/Range.cpp|1|n <= range.Konets_diapazona)|n < range.Konets_diapazona)
delete-to-end-end|store/Range.cpp|5|r.Konets_diapazona = newCount;|r.Konets_diapazona = newCount + 1;
append-fixed-unchanged|store/Range.cpp|1|!range.Vse_slova_slovarya && !range.Do_kontsa|!range.Vse_slova_slovarya || !range.Do_kontsa
append-whole-start|store/Range.cpp|1|        r.Nachalo_diapazona = 1;\n    r.Konets_diapazona = newCount;|        r.Nachalo_diapazona = 2;\n    r.Konets_diapazona = newCount;
emptied-comparison|store/Range.cpp|1|range.Konets_diapazona >= range.Nachalo_diapazona|range.Konets_diapazona > range.Nachalo_diapazona
emptied-to-end-cleared|store/Range.cpp|1|r.Do_kontsa = false;|r.Do_kontsa = true;
emptied-end|store/Range.cpp|1|r.Konets_diapazona = count;|r.Konets_diapazona = count - 1;
range-size|store/Range.cpp|1|r.Konets_diapazona - r.Nachalo_diapazona + 1;|r.Konets_diapazona - r.Nachalo_diapazona;
read-whole-end|store/Range.cpp|1|r.Konets_diapazona = g.Kolichestvo_zapisey;|r.Konets_diapazona = g.Kolichestvo_zapisey - 1;
read-whole-start|store/Range.cpp|1|            r.Nachalo_diapazona = 1;\n            r.Konets_diapazona = g.Kolichestvo_zapisey;|            r.Nachalo_diapazona = 0;\n            r.Konets_diapazona = g.Kolichestvo_zapisey;
random-multiplier|app/core/Random.cpp|1|seed * 134775813u + 1u|seed * 134775815u + 1u
random-increment|app/core/Random.cpp|1|seed * 134775813u + 1u|seed * 134775813u + 3u
random-upper-bits|app/core/Random.cpp|1|>> 32);|>> 31);
random-advance-first|app/core/Random.cpp|1|    seed = seed * 134775813u + 1u;\n    if (n <= 0)\n        return 0;\n    return static_cast<int32_t>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);|    if (n <= 0)\n        return 0;\n    const uint32_t before = seed;\n    seed = seed * 134775813u + 1u;\n    return static_cast<int32_t>((static_cast<uint64_t>(before) * static_cast<uint32_t>(n)) >> 32);
history-below-range|store/Histories.cpp|1|recordNumber < g.Nachalo_diapazona|recordNumber <= g.Nachalo_diapazona
history-above-range|store/Histories.cpp|1|recordNumber > g.Konets_diapazona|recordNumber >= g.Konets_diapazona
history-position|store/Histories.cpp|1|recordNumber - g.Nachalo_diapazona, value|recordNumber - g.Nachalo_diapazona + 1, value
number-blanks-10|store/RecordTableModel.cpp|1|number < 10 ? 7|number <= 10 ? 7
number-blanks-100|store/RecordTableModel.cpp|1|number < 100 ? 5|number <= 100 ? 5
number-blanks-1000|store/RecordTableModel.cpp|1|number < 1000 ? 3|number <= 1000 ? 3
dict-decode-excluded|store/Records.cpp|1|getBool(p + kExcludedOffset)|getBool(p + kExcludedOffset + 1)
dict-decode-marked|store/Records.cpp|1|getBool(p + kMarkedOffset)|getBool(p + kMarkedOffset + 1)
dict-decode-date|store/Records.cpp|1|getF64(p + kDateOffset)|getF64(p + kDateOffset + 1)
dict-decode-translation|store/Records.cpp|1|getShortString(p + kTranslationOffset|getShortString(p + kTranslationOffset + 1
dict-encode-marked|store/Records.cpp|1|putBool(p + kMarkedOffset|putBool(p + kMarkedOffset + 1
dict-encode-excluded|store/Records.cpp|1|putBool(p + kExcludedOffset|putBool(p + kExcludedOffset + 1
range-decode-whole|store/Records.cpp|1|r.Vse_slova_slovarya = getBool(p);|r.Vse_slova_slovarya = getBool(p + 1);
range-decode-start|store/Records.cpp|1|r.Nachalo_diapazona = getI32(p + 4);|r.Nachalo_diapazona = getI32(p + 5);
range-decode-end|store/Records.cpp|1|r.Konets_diapazona = getI32(p + 8);|r.Konets_diapazona = getI32(p + 9);
range-decode-to-end|store/Records.cpp|1|r.Do_kontsa = getBool(p + 12);|r.Do_kontsa = getBool(p + 13);
range-encode-whole|store/Records.cpp|1|putBool(p, Vse_slova_slovarya);|putBool(p + 1, Vse_slova_slovarya);
range-encode-start|store/Records.cpp|1|putI32(p + 4, Nachalo_diapazona);|putI32(p + 5, Nachalo_diapazona);
range-encode-end|store/Records.cpp|1|putI32(p + 8, Konets_diapazona);|putI32(p + 9, Konets_diapazona);
range-encode-to-end|store/Records.cpp|1|putBool(p + 12, Do_kontsa);|putBool(p + 13, Do_kontsa);
view-decode-translation|store/Records.cpp|1|r.translationColumn = getBool(p);|r.translationColumn = getBool(p + 1);
view-decode-forgotten|store/Records.cpp|1|r.forgottenOnly = getBool(p + 1);|r.forgottenOnly = getBool(p + 2);
view-decode-top|store/Records.cpp|1|r.topRow = getI32(p + 4);|r.topRow = getI32(p + 5);
view-decode-selected|store/Records.cpp|1|r.selectedRow = getI32(p + 8);|r.selectedRow = getI32(p + 9);
view-decode-repetitions|store/Records.cpp|1|r.Kolichestvo_povtoreniy = getI32(p + 12);|r.Kolichestvo_povtoreniy = getI32(p + 13);
view-encode-translation|store/Records.cpp|1|putBool(p, translationColumn);|putBool(p + 1, translationColumn);
view-encode-forgotten|store/Records.cpp|1|putBool(p + 1, forgottenOnly);|putBool(p + 2, forgottenOnly);
view-encode-top|store/Records.cpp|1|putI32(p + 4, topRow);|putI32(p + 5, topRow);
view-encode-selected|store/Records.cpp|1|putI32(p + 8, selectedRow);|putI32(p + 9, selectedRow);
view-encode-repetitions|store/Records.cpp|1|putI32(p + 12, Kolichestvo_povtoreniy);|putI32(p + 13, Kolichestvo_povtoreniy);
int-put-width|store/Binary.cpp|1|for (int i = 0; i < 4; ++i)|for (int i = 0; i < 3; ++i)
int-get-byte-order|store/Binary.cpp|1|uint32_t(b[2]) << 16|uint32_t(b[2]) << 8
int-get-top-byte|store/Binary.cpp|1|uint32_t(b[3]) << 24|uint32_t(b[3]) << 16
double-put-width|store/Binary.cpp|1|for (int i = 0; i < 8; ++i)|for (int i = 0; i < 7; ++i)
double-get-width|store/Binary.cpp|1|for (int i = 7; i >= 0; --i)|for (int i = 6; i >= 0; --i)
string-cut|store/Binary.cpp|1|toCp1251(text).left(maxLen)|toCp1251(text).left(maxLen + 1)
string-clamp|store/Binary.cpp|1|static_cast<unsigned char>(p[0]), maxLen)|static_cast<unsigned char>(p[0]), maxLen + 1)
string-zero-fill|store/Binary.cpp|1|static_cast<size_t>(maxLen) + 1);|static_cast<size_t>(maxLen));
date-epoch|store/Binary.cpp|1|kDelphiEpoch(1899, 12, 30)|kDelphiEpoch(1899, 12, 31)
dict-english-offset|store/Records.h|1|kEnglishOffset = 0;|kEnglishOffset = 1;
dict-english-width|store/Records.h|1|kEnglishMax = 45;|kEnglishMax = 44;
dict-transcription-offset|store/Records.h|1|kTranscriptionOffset = 46;|kTranscriptionOffset = 47;
dict-transcription-width|store/Records.h|1|kTranscriptionMax = 50;|kTranscriptionMax = 49;
dict-translation-offset|store/Records.h|1|kTranslationOffset = 97;|kTranslationOffset = 98;
dict-translation-width|store/Records.h|1|kTranslationMax = 60;|kTranslationMax = 61;
dict-date-offset|store/Records.h|1|kDateOffset = 160;|kDateOffset = 161;
dict-excluded-offset|store/Records.h|1|kExcludedOffset = 168;|kExcludedOffset = 167;
dict-marked-offset|store/Records.h|1|kMarkedOffset = 169;|kMarkedOffset = 170;
dict-record-size|store/Records.h|1|static constexpr int kSize = 176;|static constexpr int kSize = 177;
EOF
)

all_gtests="store_format_tests store_table_tests text_rules_tests random_generator_tests
exercise_files_tests marks_tests exercises_logic_tests app_start_tests"

# The GoogleTest binaries that could catch a change of a file (the rest cannot see it), so that
# each change rebuilds and runs only those.
tests_for() {
    case "$1" in
    store/Records.* | store/Binary.*)
        echo "store_format_tests marks_tests exercise_files_tests store_table_tests" ;;
    store/Range.*) echo "exercise_files_tests" ;;
    store/Histories.*) echo "exercise_files_tests exercises_logic_tests" ;;
    store/RecordTableModel.*) echo "store_table_tests" ;;
    app/core/Random.*) echo "random_generator_tests exercises_logic_tests" ;;
    *) echo "$all_gtests" ;;
    esac
}

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-/work}" CCACHE_NOHASHDIR=1

# The scratch copy follows the tree; files whose content did not change keep their times, so
# the scratch build only redoes what changed.
mkdir -p "$src"
python3 - "$here" "$src" <<'PY'
import filecmp, os, shutil, sys
here, src = sys.argv[1], sys.argv[2]
skip = {".git", "build"}
for root, dirs, files in os.walk(here):
    rel = os.path.relpath(root, here)
    dirs[:] = [d for d in dirs if not (rel == "." and d in skip)]
    os.makedirs(os.path.join(src, rel), exist_ok=True)
    for f in files:
        a, b = os.path.join(root, f), os.path.join(src, rel, f)
        if f == ".git" and rel == ".":
            continue
        if not os.path.exists(b) or not filecmp.cmp(a, b, shallow=False):
            shutil.copy(a, b)  # content and mode with a fresh time: the build redoes it
PY
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELVO_WERROR=OFF \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >"$work/configure.log" 2>&1 ||
        { echo "configure failed, see $work/configure.log"; exit 100; }
fi

build_and_test() {
    local gtest_binaries="$1"
    if [ "$whole_suite" = 1 ]; then
        cmake --build "$build" -j2 >"$work/build.log" 2>&1 || return 2
        (cd "$build" && QTEST_FUNCTION_TIMEOUT=60000 QTEST_DISABLE_STACK_DUMP=1 \
            xvfb-run -a -s "-noreset -screen 0 1600x1000x24" ctest -j2 >"$work/test.log" 2>&1) ||
            return 1
        return 0
    fi
    # shellcheck disable=SC2086
    cmake --build "$build" -j2 --target $gtest_binaries >"$work/build.log" 2>&1 || return 2
    for t in $gtest_binaries; do
        (cd "$work" && QT_QPA_PLATFORM=offscreen "$build/bin/$t" --gtest_brief=1 >"$work/test.log" 2>&1) ||
            return 1
    done
    return 0
}

echo "building the unchanged copy..."
if ! build_and_test "$all_gtests"; then
    echo "the unchanged tree does not pass; see $work/build.log and $work/test.log"
    exit 100
fi

survivors=()
stale=()
total=0
while IFS='|' read -r name file occurrence from to; do
    [ -z "$name" ] && continue
    case "$name" in *"$filter"*) ;; *) continue ;; esac
    total=$((total + 1))
    cp "$src/$file" "$work/original"
    if ! python3 - "$src/$file" "$occurrence" "$from" "$to" <<'PY'; then
import sys
path, occurrence, old, new = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
old, new = old.replace("\\n", "\n"), new.replace("\\n", "\n")
text = open(path, encoding="utf-8").read()
at = -1
for _ in range(occurrence):
    at = text.find(old, at + 1)
    if at < 0:
        sys.exit(1)
open(path, "w", encoding="utf-8").write(text[:at] + new + text[at + len(old):])
PY
        printf '%-28s STALE (text not found in %s)\n' "$name" "$file"
        stale+=("$name")
        continue
    fi
    build_and_test "$(tests_for "$file")"
    case $? in
    0)
        printf '%-28s SURVIVED\n' "$name"
        survivors+=("$name")
        ;;
    1) printf '%-28s caught\n' "$name" ;;
    *) printf '%-28s caught (does not build)\n' "$name" ;;
    esac
    cp "$work/original" "$src/$file"
done <<<"$mutants"

echo
echo "$total changes, ${#survivors[@]} survived, ${#stale[@]} stale"
for s in "${survivors[@]}"; do echo "  survivor: $s"; done
for s in "${stale[@]}"; do echo "  stale: $s"; done
exit "${#survivors[@]}"
