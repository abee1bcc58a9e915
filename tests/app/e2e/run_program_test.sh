#!/usr/bin/env bash
# Runs the built program from the outside, as a person would: in a folder of
# its own with the shader beside it, on a private X server, driven by key
# presses; then without any display, ended by Ctrl+C; then without a GPU.
# Usage: run_program_test.sh <brennwick executable> <source folder>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
source "$(dirname "$0")/e2e_lib.sh"
trap cleanup EXIT
cp "$work/normal.hlsl" "$work/good.hlsl"

# ---- On a display --------------------------------------------------------
start_display

launch '>"$out" 2>"$work/err.txt"'
wait_for " fps" "$START_LIMIT_S" || fail "no frame-rate line within $START_LIMIT_S s"
grep -qE '^[0-9]+\.[0-9]{2} fps$' "$out" || fail "frame-rate line not as \"%.02f fps\""

window=$(xdotool search --name '^Brennwick$' | head -n 1)
if [[ -z $window ]]; then
    fail "no window captioned Brennwick"
else
    info=$(xwininfo -id "$window")
    grep -q "Width: 1280" <<<"$info" || fail "window width: $info"
    grep -q "Height: 720" <<<"$info" || fail "window height: $info"

    import -window "$window" "$work/shot.png" 2>/dev/null || xwd -id "$window" -silent | convert xwd:- "$work/shot.png"
    corner=$(convert "$work/shot.png" -crop 1x1+2+2 -depth 8 txt:- | tail -n 1)
    grep -qi "#00FFFF" <<<"$corner" || fail "background corner is not cyan: $corner"
    colours=$(convert "$work/shot.png" -depth 8 -format %c histogram:info:- | wc -l)
    cyan=$(convert "$work/shot.png" -depth 8 -format %c histogram:info:- | grep -i "#00FFFF" |
        sed -E 's/^ *([0-9]+):.*/\1/')
    ((colours > 100)) || fail "only $colours colours on screen: no coloured cubes"
    ((cyan < 1280 * 720 * 95 / 100)) || fail "the window is almost all cyan ($cyan pixels)"

    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"

    # F5 throws the shaders away; the next frame builds them again.
    press F5
    wait_for "Dx12::Renderer::DeleteShader : normal.hlsl : Delete cache_shader" "$EVENT_LIMIT_S" ||
        fail "F5 did not empty the shader cache"
    wait_for "Dx12::Shader::Shader : OK filename=normal.hlsl" "$EVENT_LIMIT_S" 2 || fail "no rebuild after F5"

    # A broken file is reported once, and the program keeps running.
    echo "float4 broken(" >"$work/normal.hlsl"
    press F5
    wait_for "Failed Create PipelineState" "$EVENT_LIMIT_S" || fail "the broken shader was not reported"
    wait_for " fps" "$EVENT_LIMIT_S" "$(($(count " fps") + 2))" || fail "no frames after the broken shader"
    (($(count "Failed Create PipelineState") == 1)) || fail "the broken shader was reported more than once"
    running || fail "the program stopped on a broken shader"

    cp "$work/good.hlsl" "$work/normal.hlsl"
    press F5
    wait_for "Dx12::Shader::Shader : OK filename=normal.hlsl" "$EVENT_LIMIT_S" 3 || fail "no rebuild after repair"

    press Escape
fi
expect_clean_exit "Escape" "$QUIT_LIMIT_S"
expect_teardown "Escape"

# ---- Without a display ---------------------------------------------------
unset DISPLAY
launch '>"$out" 2>"$work/err.txt"'
wait_for " fps" "$START_LIMIT_S" || fail "headless: no frame-rate line within $START_LIMIT_S s"
kill -INT "$pid"
expect_clean_exit "headless" "$QUIT_LIMIT_S"
expect_teardown "headless"

# ---- Without any Vulkan driver, hence no Direct3D 12 device ------------------
(
    export VK_ICD_FILENAMES=/nonexistent/icd.json VK_DRIVER_FILES=/nonexistent/icd.json
    cd "$work" && exec timeout 60 "$program" >"$out" 2>"$work/err.txt"
)
status=$?
((status != 0 && status != 124)) || fail "no device: exit status $status, not a failure"
(($(count "no Direct3D 12 device") == 1)) || fail "no device: no line saying so"
(($(count " fps") == 0)) || fail "no device: frames were counted"

finish "end-to-end"
