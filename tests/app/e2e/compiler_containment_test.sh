#!/usr/bin/env bash
# One-line edits of normal.hlsl that once crashed or stalled the HLSL
# compiler, made under the running program. Those Windows compiles must now
# compile; the others must end as a compile error while frames go on; then a
# program stuck in a stalling compile must still quit on Escape, and on Ctrl+C
# (SIGINT) at once.
# Usage: compiler_containment_test.sh <brennwick executable> <source folder>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
source "$(dirname "$0")/e2e_lib.sh"
trap cleanup EXIT

# The demo's pixel shader with one more line after its brightness.
edit_pixel_shader() {
    sed "s|^    float brightness = .*|&\n    $1|" "$work/good.hlsl" >"$work/normal.hlsl"
}

# Replaces normal.hlsl by the edit named $1.
make_case() {
    rm -f "$work/normal.hlsl"
    case $1 in
    numthreads-name) sed 's|^float4 PSMain|[numthreads(f)]\n&|' "$work/good.hlsl" >"$work/normal.hlsl" ;;
    mul-float1) edit_pixel_shader 'brightness += mul((float1)brightness, identity).x * 0.0;' ;;
    mul-float1-call)
        sed 's|^float4 PSMain|float1 One(float v) { return v; }\n&|' "$work/good.hlsl" |
            sed "s|^    float brightness = .*|&\n    brightness += mul(One(brightness), identity).x * 0.0;|" \
                >"$work/normal.hlsl" ;;
    case-variable) edit_pixel_shader 'switch (int0) { case int0: brightness = 1; break; default: break; }' ;;
    string-parameter)
        sed 's|^float4 PSMain(PixelInput input)|float4 PSMain(PixelInput input, string s = "x")|' \
            "$work/good.hlsl" >"$work/normal.hlsl" ;;
    macro-doubling) make_macro_doubling >"$work/normal.hlsl" ;;
    include-2000) make_include_2000 >"$work/normal.hlsl" ;;
    long-source) make_long_source >"$work/normal.hlsl" ;;
    esac
}

# A macro that doubles at each of 30 levels.
make_macro_doubling() {
    echo '#define M0 x'
    for level in $(seq 1 30); do
        echo "#define M$level M$((level - 1)) M$((level - 1))"
    done
    sed "s|^    float brightness = .*|&\n    float x = 0; brightness += M30;|" "$work/good.hlsl"
}

# Thirty thousand statements (under the 1 MB a source may have): seconds of
# the compiler's time for each stage.
make_long_source() {
    awk '{ print } /^    float brightness = / {
        for (i = 0; i < 30000; ++i) print "    brightness *= 1.0001;"
    }' "$work/good.hlsl"
}

# One file of 1 MB, included 2,000 times.
make_include_2000() {
    python3 -c 'print("// " + "x" * 1000000)' >"$work/big.hlsli"
    for _ in $(seq 1 2000); do echo '#include "big.hlsli"'; done
    cat "$work/good.hlsl"
}

# Whether the program has a child process: a compile.
has_child() {
    local stat line fields
    for stat in /proc/[0-9]*/stat; do
        read -r line <"$stat" 2>/dev/null || continue
        # After the parenthesised name: the state, then the parent's pid.
        read -r -a fields <<<"${line##*) }"
        [[ ${fields[1]} == "$pid" ]] && return 0
    done
    return 1
}

# Waits up to $1 seconds until the program has a child process.
wait_for_compile() {
    for _ in $(seq 1 $(($1 * 10))); do
        has_child && return 0
        running || return 1
        sleep 0.1
    done
    return 1
}

cp "$work/normal.hlsl" "$work/good.hlsl"
start_display

# ---- Edits while the program runs --------------------------------------------
launch_drawing_in_window

# Windows compiles these: the program draws with the edited shader.
for case in mul-float1; do
    make_case "$case"
    errors=$(count "COMPILE ERROR")
    press_in_window F5
    builds=$((builds + 1))
    wait_for "Dx12::Shader::Shader : OK filename=normal.hlsl" "$EVENT_LIMIT_S" "$builds" ||
        fail "$case: not compiled"
    wait_for " fps" "$EVENT_LIMIT_S" $(($(count " fps") + 2)) || fail "$case: no frames after the edit"
    (($(count "COMPILE ERROR") == errors)) || fail "$case: a compile error"
    echo "$case: compiled, and drawing"
    repair_shader "$case"
done

for case in numthreads-name mul-float1-call case-variable string-parameter macro-doubling \
    include-2000; do
    make_case "$case"
    started=$(date +%s)
    errors=$(count "COMPILE ERROR")
    deletes=$(count "Delete cache_shader")
    press_in_window F5
    wait_for "Delete cache_shader" "$EVENT_LIMIT_S" $((deletes + 1)) || fail "$case: F5 was not seen"
    wait_for "COMPILE ERROR" "$EVENT_LIMIT_S" $((errors + 1)) || fail "$case: no COMPILE ERROR banner"
    wait_for " fps" "$EVENT_LIMIT_S" $(($(count " fps") + 2)) || fail "$case: no frames after the edit"
    running || { fail "$case: the program stopped"; exit 1; }
    echo "$case: a compile error, and drawing after $(($(date +%s) - started)) s"

    repair_shader "$case"
done
grep -qF "the HLSL compiler failed on this source" "$out" || fail "no crash was reported as one"
grep -qF "and was stopped" "$out" || fail "no stall was reported as one"
press_in_window Escape
expect_clean_exit "Escape" "$QUIT_LIMIT_S"

# ---- Quitting while a compile stalls -----------------------------------------
# Without containment each of the two entry points would hold the program 10 s.
make_case long-source
launch '>"$out" 2>"$work/err.txt"'
wait_for_compile "$EVENT_LIMIT_S" || fail "stalling start: no compile seen"
kill -INT "$pid"
expect_clean_exit "SIGINT during a stalling compile" "$QUIT_LIMIT_S"
echo "SIGINT during a stalling compile: ended after $elapsed tenths of a second"
((elapsed <= 50)) || fail "SIGINT during a stalling compile: $elapsed tenths of a second"
expect_teardown "SIGINT during a stalling compile"

launch '>"$out" 2>"$work/err.txt"'
window=$(find_window)
wait_for_compile "$EVENT_LIMIT_S" || fail "stalling start: no compile seen"
[[ -n $window ]] && xdotool windowfocus "$window" 2>/dev/null
press Escape
expect_clean_exit "Escape during a stalling compile" "$QUIT_LIMIT_S"
expect_teardown "Escape during a stalling compile"

finish "compiler containment"
