#!/usr/bin/env bash
# Pixel shaders the GPU never finishes (an endless loop, a loop of 10^8
# rounds, a loop of 4096 unrolled by [unroll(4096)], as a bare [unroll] stops at
# 1024), loaded with F5 under the running
# program: the device is removed as hung within seconds (the unrolled loop
# only where the rasteriser is too slow for it), the program goes on
# without crashing or flooding its output, F5 on the removed device fails in
# a bounded number of lines, and Escape or Ctrl+C still ends it with its
# teardown and status 0.
# Usage: device_removal_test.sh <brennwick executable> <source folder>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
source "$(dirname "$0")/e2e_lib.sh"
trap cleanup EXIT

removal_line="D3D12: Removing Device."
# Generous for a loaded machine: Windows removes the device after 2 s, but
# here the big unroll first takes seconds to compile.
removal_limit_s=$START_LIMIT_S
# What is tested is the device, not the compiler's time limit, which the big
# unroll could pass on a busy machine.
export BRENNWICK_HLSL_COMPILE_SECONDS=120

# The demo's shader with its pixel shader's last line replaced by loop $1.
write_case() {
    local loop
    case $1 in
    endless) loop='[loop] while (viewportWidth > 0.0) { brightness = frac(brightness * 1.37 + 0.11); }' ;;
    long-loop) loop='[loop] for (int i = 0; i < 100000000; ++i) { brightness = frac(brightness * 1.37 + 0.11); }' ;;
    big-unroll) loop='[unroll(4096)] for (int i = 0; i < 4096; ++i) { brightness = frac(sin(brightness * 12.9898 + frameClock) * 43758.5453); }' ;;
    esac
    sed "s|^    return float4(input.color.rgb \* brightness, 1.0);|    $loop\n&|" \
        "$work/good.hlsl" >"$work/normal.hlsl"
    grep -qF "$loop" "$work/normal.hlsl" || { fail "$1: the shader was not edited"; exit 1; }
}

# Lines of standard error holding $1.
err_count() {
    local n
    n=$(grep -cF -- "$1" "$work/err.txt" 2>/dev/null)
    echo "${n:-0}"
}

# Frame-rate lines printed since the shader was built again after F5.
frames_with_new_shader() {
    awk '/Dx12::Shader::Shader : OK/ { built++; frames = 0 } built >= 2 && / fps$/ { frames++ }
         END { print frames + 0 }' "$out"
}

# Waits up to $1 seconds for the device's removal, printing the seconds
# taken, or with $2 set also for two frames drawn with the new shader,
# printing "drawing". Each of a frame's submissions may finish within the
# time-out on a fast enough rasteriser: a slow shader, not a hung device.
wait_for_removal() {
    local started=$EPOCHREALTIME
    for _ in $(seq 1 $(($1 * 10))); do
        if (($(err_count "$removal_line") > 0)); then
            awk -v now="$EPOCHREALTIME" -v then="$started" 'BEGIN { printf "%.1f\n", now - then }'
            return 0
        fi
        if [[ -n ${2:-} ]] && (($(frames_with_new_shader) >= 2)); then
            echo drawing
            return 0
        fi
        running || return 1
        sleep 0.1
    done
    return 1
}

start_display
cp "$work/normal.hlsl" "$work/good.hlsl"

for case_name in endless long-loop big-unroll; do
    cp "$work/good.hlsl" "$work/normal.hlsl"
    launch_drawing_in_window
    write_case "$case_name"
    press_in_window F5
    may_draw=
    [[ $case_name == big-unroll ]] && may_draw=yes
    if ! taken=$(wait_for_removal "$removal_limit_s" $may_draw); then
        fail "$case_name: no '$removal_line' within $removal_limit_s s"
    elif [[ $taken == drawing ]]; then
        echo "$case_name: not removed; drawing at $(grep ' fps$' "$out" | tail -n 1)"
    else
        echo "$case_name: device removed $taken s after F5"
        (($(err_count "DEVICE_REMOVAL_PROCESS_AT_FAULT") == 1)) ||
            fail "$case_name: the debug layer's removal message is not there once"
    fi

    case $case_name in
    endless)
        press_in_window Escape
        expect_clean_exit "$case_name Escape" "$QUIT_LIMIT_S"
        expect_teardown "$case_name Escape" ;;
    long-loop)
        # F5 on the removed device: the shader is built again and fails, and
        # the failure is told a bounded number of times.
        before=$(count "ERROR : Dx12::Shader::Shader : CreateGraphicsPipelineState")
        press_in_window F5
        wait_for "ERROR : Dx12::Shader::Shader : CreateGraphicsPipelineState" "$EVENT_LIMIT_S" $((before + 1)) ||
            fail "$case_name: F5 on the removed device printed no failure"
        wait_for " fps" "$EVENT_LIMIT_S" 2 || fail "$case_name: no frame-rate line after F5"
        press_in_window Escape
        expect_clean_exit "$case_name F5 then Escape" "$QUIT_LIMIT_S"
        failures_told=$(count "ERROR : Dx12::Shader::Shader : CreateGraphicsPipelineState")
        ((failures_told - before <= 2)) ||
            fail "$case_name: the failed build was told $((failures_told - before)) times"
        grep -qF "Dx12::Renderer::~Renderer : view_present : Delete buffermapper" "$out" ||
            fail "$case_name: no teardown lines" ;;
    big-unroll)
        kill -INT "$pid"
        expect_clean_exit "$case_name Ctrl+C" "$QUIT_LIMIT_S"
        expect_teardown "$case_name Ctrl+C" ;;
    esac
    (($(wc -l <"$out") < 200)) || fail "$case_name: $(wc -l <"$out") lines of output"
done

finish device_removal_test
