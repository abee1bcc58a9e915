#!/usr/bin/env bash
# Edits normal.hlsl under the running program, as a person would, into files
# that once hung or crashed it: include cycles, deep nesting, a link to
# /dev/zero, a FIFO, a directory, a huge file. After each edit and F5 the
# program must report the shader, keep drawing frames, stay under a memory
# bound and keep standard error quiet; at the end it quits on Escape, and a
# second run that starts on a bad file quits on SIGINT.
# Usage: live_edit_test.sh <brennwick executable> <source folder>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
source "$(dirname "$0")/e2e_lib.sh"
trap cleanup EXIT
# Resident memory allowed to the program: it runs in about 120 MB, lavapipe
# included; the edits once grew it by 100 MB a second.
memory_limit_kb=$((512 * 1024))

resident_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0
}

# Ends the program with $1 (a key press or a signal) and checks a clean exit
# through the renderer's teardown.
expect_clean_end() {
    expect_clean_exit "$1" "$QUIT_LIMIT_S"
    grep -qF "Dx12::Renderer::~Renderer : view_present : Delete buffermapper" "$out" ||
        fail "$1: no teardown lines"
}

# Replaces normal.hlsl by case $1: files beside it are written first.
make_case() {
    rm -rf "$work/normal.hlsl" "$work/other.hlsli"
    case $1 in
    include-cycle)
        printf '#include "normal.hlsl"\n' >"$work/other.hlsli"
        { echo '#include "other.hlsli"'; cat "$work/good.hlsl"; } >"$work/normal.hlsl" ;;
    self-include-twice)
        printf '#include "normal.hlsl"\n#include "normal.hlsl"\n' >"$work/normal.hlsl" ;;
    deep-nesting)
        python3 -c 'import sys; sys.stdout.write("float4 PSMain() : SV_Target { return " + "(" * 20000 + "1" + ")" * 20000 + "; }\n")' >"$work/normal.hlsl" ;;
    dev-zero) ln -s /dev/zero "$work/normal.hlsl" ;;
    fifo) mkfifo "$work/normal.hlsl" ;;
    directory) mkdir "$work/normal.hlsl" ;;
    huge) yes 'float4 x = nope;' | head -c 37000000 >"$work/normal.hlsl" ;;
    missing) ;;
    esac
}

# What the compile error of case $1 says (empty: only the banner is checked).
expected_text() {
    case $1 in
    include-cycle | self-include-twice) echo "error X1506: too many nested #includes" ;;
    deep-nesting) echo "levels deep; this compiler refuses such a source" ;;
    dev-zero | fifo) echo "is not a regular file" ;;
    directory) echo "is a directory" ;;
    huge) echo "is larger than 1 MB" ;;
    missing) echo "D3DCompileFromFile failed with 80070002 and no error text" ;;
    esac
}

cp "$work/normal.hlsl" "$work/good.hlsl"
start_display

# ---- Edits while the program runs, ended by Escape --------------------------
launch_drawing_in_window

errors=0
for case in include-cycle self-include-twice deep-nesting dev-zero fifo directory huge missing; do
    make_case "$case"
    started=$(date +%s)
    deletes=$(count "Delete cache_shader")
    press_in_window F5
    wait_for "Delete cache_shader" "$EVENT_LIMIT_S" $((deletes + 1)) || fail "$case: F5 was not seen"
    errors=$((errors + 2)) # one banner per entry point
    wait_for "COMPILE ERROR" "$EVENT_LIMIT_S" "$errors" || fail "$case: no COMPILE ERROR banners"
    text=$(expected_text "$case")
    grep -qF -- "$text" "$out" || fail "$case: the output does not say \"$text\""
    wait_for " fps" "$EVENT_LIMIT_S" $(($(count " fps") + 2)) || fail "$case: no frames after the edit"
    running || { fail "$case: the program stopped"; exit 1; }
    rss=$(resident_kb)
    ((rss < memory_limit_kb)) || fail "$case: $rss kB resident, over $memory_limit_kb"
    echo "$case: reported and drawing after $(($(date +%s) - started)) s, $rss kB resident"

    repair_shader "$case"
done
# A root signature that the shader accepts but the draw pass cannot use (a
# root CBV where it binds a table): every draw is skipped, said once.
sed 's/DescriptorTable(CBV(b0))/CBV(b0)/' "$work/good.hlsl" >"$work/normal.hlsl"
press_in_window F5
builds=$((builds + 1))
wait_for "Dx12::Shader::Shader : OK filename=normal.hlsl" "$EVENT_LIMIT_S" "$builds" || fail "root CBV: not built"
wait_for " fps" "$EVENT_LIMIT_S" $(($(count " fps") + 3)) || fail "root CBV: no frames"
skipped=$(grep -c "skipped" "$work/err.txt")
((skipped >= 1 && skipped <= 3)) || fail "root CBV: $skipped skipped-draw lines on standard error"
cp "$work/good.hlsl" "$work/normal.hlsl"

lines=$(wc -l <"$work/err.txt")
((lines < 100)) || fail "$lines lines on standard error: $(head -n 5 "$work/err.txt")"
press_in_window Escape
expect_clean_end "Escape"

# ---- Starting on a bad file, ended by SIGINT ----------------------------------
for case in fifo include-cycle; do
    make_case "$case"
    launch '>"$out" 2>"$work/err.txt"'
    wait_for " fps" "$EVENT_LIMIT_S" 2 || fail "$case at start-up: no frames"
    grep -qF -- "$(expected_text "$case")" "$out" || fail "$case at start-up: not reported"
    kill -INT "$pid"
    expect_clean_end "$case at start-up, SIGINT"
done

finish "live edits"
