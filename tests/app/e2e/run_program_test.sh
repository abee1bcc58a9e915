#!/usr/bin/env bash
# Runs the built program from the outside, as a person would: in a folder of
# its own with the shader beside it, on a private X server, driven by key
# presses; then without any display, ended by Ctrl+C; then without a GPU.
# Usage: run_program_test.sh <brennwick executable> <source folder>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
work=$(mktemp -d)
pid=
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null
    fi
    [[ -n ${KEEP_WORK:-} ]] && echo "kept $work" || rm -rf "$work"
    [[ -n ${BRENNWICK_XVFB_PID:-} ]] && kill "$BRENNWICK_XVFB_PID" 2>/dev/null
}
trap cleanup EXIT

# How many lines of the output hold $1 (0 before the output exists).
count() {
    local n
    n=$(grep -cF -- "$1" "$work/out.txt" 2>/dev/null)
    echo "${n:-0}"
}

# Waits up to $2 seconds until the output holds $1 at least $3 times.
wait_for() {
    local text=$1 seconds=$2 times=${3:-1}
    for _ in $(seq 1 $((seconds * 10))); do
        if (($(count "$text") >= times)); then
            return 0
        fi
        sleep 0.1
    done
    return 1
}


expect_teardown() {
    local expected actual
    expected=$(printf '%s\n' \
        "Dx12::Renderer::DeleteConstant : uniform0 : Delete cache_constant" \
        "Dx12::Renderer::DeleteConstant : uniform1 : Delete cache_constant" \
        "Dx12::Renderer::DeleteShader : normal.hlsl : Delete cache_shader" \
        "Dx12::Renderer::~Renderer : cube : Delete buffermapper" \
        "Dx12::Renderer::~Renderer : instance : Delete buffermapper" \
        "Dx12::Renderer::~Renderer : rect : Delete buffermapper" \
        "Dx12::Renderer::~Renderer : view_present : Delete buffermapper")
    actual=$(tail -n 7 "$work/out.txt")
    [[ $actual == "$expected" ]] || fail "$1: teardown lines were: $actual"
}

cp "$source_dir/shaders/normal.hlsl" "$work/normal.hlsl"
cp "$work/normal.hlsl" "$work/good.hlsl"

# ---- On a display --------------------------------------------------------
export BRENNWICK_XVFB_DISPLAY=${BRENNWICK_XVFB_DISPLAY:-140}
source "$source_dir/scripts/xvfb.sh"
start_xvfb || exit 1
trap cleanup EXIT

(cd "$work" && exec "$program" >"$work/out.txt" 2>"$work/err.txt") &
pid=$!
wait_for " fps" 60 || fail "no frame-rate line within 60 s"
grep -qE '^[0-9]+\.[0-9]{2} fps$' "$work/out.txt" || fail "frame-rate line not as \"%.02f fps\""

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
    press() { xdotool key --clearmodifiers "$1"; }

    # F5 throws the shaders away; the next frame builds them again.
    press F5
    wait_for "Dx12::Renderer::DeleteShader : normal.hlsl : Delete cache_shader" 20 ||
        fail "F5 did not empty the shader cache"
    wait_for "Dx12::Shader::Shader : OK filename=normal.hlsl" 20 2 || fail "no rebuild after F5"

    # A broken file is reported once, and the program keeps running.
    echo "float4 broken(" >"$work/normal.hlsl"
    press F5
    wait_for "Failed Create PipelineState" 20 || fail "the broken shader was not reported"
    wait_for " fps" 10 "$(($(count " fps") + 2))" || fail "no frames after the broken shader"
    (($(count "Failed Create PipelineState") == 1)) || fail "the broken shader was reported more than once"
    kill -0 "$pid" 2>/dev/null || fail "the program stopped on a broken shader"

    cp "$work/good.hlsl" "$work/normal.hlsl"
    press F5
    wait_for "Dx12::Shader::Shader : OK filename=normal.hlsl" 20 3 || fail "no rebuild after repair"

    press Escape
fi

status=
for _ in $(seq 1 300); do
    if ! kill -0 "$pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not end after Escape"
    kill -KILL "$pid"
fi
wait "$pid"
status=$?
pid=
((status == 0)) || fail "exit status $status after Escape"
expect_teardown "Escape"

# ---- Without a display ---------------------------------------------------
(
    unset DISPLAY
    cd "$work" && exec "$program" >"$work/out.txt" 2>"$work/err.txt"
) &
pid=$!
wait_for " fps" 60 || fail "headless: no frame-rate line within 60 s"
kill -INT "$pid"
wait "$pid"
status=$?
pid=
((status == 0)) || fail "headless: exit status $status after SIGINT"
expect_teardown "headless"

# ---- Without any Vulkan driver, hence no Direct3D 12 device ------------------
(
    unset DISPLAY
    export VK_ICD_FILENAMES=/nonexistent/icd.json VK_DRIVER_FILES=/nonexistent/icd.json
    cd "$work" && exec timeout 60 "$program" >"$work/out.txt" 2>"$work/err.txt"
)
status=$?
((status != 0 && status != 124)) || fail "no device: exit status $status, not a failure"
(($(count "no Direct3D 12 device") == 1)) || fail "no device: no line saying so"
(($(count " fps") == 0)) || fail "no device: frames were counted"

if ((failures > 0)); then
    echo "--- last program output ---" >&2
    tail -n 30 "$work/out.txt" >&2
    exit 1
fi
echo "end-to-end: all checks passed"
