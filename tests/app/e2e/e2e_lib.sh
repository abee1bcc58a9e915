# Sourced by the end-to-end scripts: runs the built program in a folder of its
# own, with the shader beside it, and watches it from outside.
# The sourcing script sets `program` (absolute path) and `source_dir` first.

# Limits for a loaded machine: each wait ends as soon as what it waits for
# happens, so these only bound how long a failure takes to show.
readonly START_LIMIT_S=${BRENNWICK_E2E_START_LIMIT_S:-120} # to a window or a first line
readonly QUIT_LIMIT_S=${BRENNWICK_E2E_QUIT_LIMIT_S:-60}    # from a request to the end
readonly EVENT_LIMIT_S=${BRENNWICK_E2E_EVENT_LIMIT_S:-60}  # to any other line or frames

work=$(mktemp -d)
out=$work/out.txt
pid=
status=
failures=0
extra_xvfb=

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill -CONT "$pid" 2>/dev/null
        kill -KILL "$pid" 2>/dev/null
    fi
    [[ -n $extra_xvfb ]] && kill "$extra_xvfb" 2>/dev/null
    [[ -n ${BRENNWICK_XVFB_PID:-} ]] && kill "$BRENNWICK_XVFB_PID" 2>/dev/null
    [[ -n ${KEEP_WORK:-} ]] && echo "kept $work" || rm -rf "$work"
}

cp "$source_dir/shaders/normal.hlsl" "$work/normal.hlsl"

# Starts a private X server and exports DISPLAY for it.
start_display() {
    source "$source_dir/scripts/xvfb.sh"
    start_xvfb || exit 1
    # start_xvfb sets its own trap; the cleanup stops its server too.
    trap cleanup EXIT
}

# Starts the program in the background; $1 is the rest of its command line
# (redirections), evaluated in the work folder. Output goes to $out unless
# the redirections say otherwise.
launch() {
    rm -f "$out" "$work/err.txt"
    # shellcheck disable=SC2086
    (cd "$work" && eval "exec \"\$program\" $1") &
    pid=$!
}

# How many lines of the output hold $1 (0 before the output exists).
count() {
    local n
    n=$(grep -cF -- "$1" "$out" 2>/dev/null)
    echo "${n:-0}"
}

# Waits up to $2 seconds until the output holds $1 at least $3 times; gives
# up early once the program has ended without it.
wait_for() {
    local text=$1 seconds=$2 times=${3:-1}
    for _ in $(seq 1 $((seconds * 10))); do
        if (($(count "$text") >= times)); then
            return 0
        fi
        running || return 1
        sleep 0.1
    done
    return 1
}

# The id of the program's window once it is shown (keys sent to it from then
# on are queued for the program), waiting up to START_LIMIT_S; empty if none.
find_window() {
    local found=
    for _ in $(seq 1 $((START_LIMIT_S * 10))); do
        found=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
        [[ -n $found ]] && break
        running || break
        sleep 0.1
    done
    echo "$found"
}

# Waits up to $1 seconds for the program to end; sets `status` (empty if it
# had to be killed) and `elapsed` (tenths of a second).
wait_exit() {
    local tenths=$(($1 * 10))
    elapsed=0
    while ((elapsed < tenths)) && running; do
        sleep 0.1
        elapsed=$((elapsed + 1))
    done
    if running; then
        # Where it hangs, for the report.
        if command -v gdb >/dev/null; then
            gdb -p "$pid" -batch -ex "thread apply all bt 12" 2>/dev/null | grep -E '^(#|Thread)' >&2
        fi
        kill -CONT "$pid" 2>/dev/null
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        status=
    else
        wait "$pid"
        status=$?
    fi
    pid=
}

# Neither ended nor waiting to be reaped (the shell reaps in the background).
running() {
    local state
    state=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)
    [[ -n $state && $state != Z ]]
}

# Fails unless the program ended with status 0 within $2 seconds.
expect_clean_exit() {
    wait_exit "$2"
    if [[ -z $status ]]; then
        fail "$1: still running after $2 s"
    elif ((status != 0)); then
        fail "$1: exit status $status"
    fi
}

# The renderer's teardown lines end the output, each exactly once.
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
    actual=$(tail -n 7 "$out")
    [[ $actual == "$expected" ]] || fail "$1: teardown lines were: $actual"
    (($(count "view_present : Delete buffermapper") == 1)) ||
        fail "$1: the teardown did not run exactly once"
}

press() {
    xdotool key --clearmodifiers "$@" 2>/dev/null
}

# Starts the program with standard error in err.txt and waits for its first
# frames and its window, whose id goes to `window`; ends the script without.
launch_drawing_in_window() {
    launch '>"$out" 2>"$work/err.txt"'
    wait_for " fps" 60 || fail "no frame-rate line within 60 s"
    window=$(xdotool search --name '^Brennwick$' | head -n 1)
    [[ -n $window ]] || { fail "no window captioned Brennwick"; exit 1; }
}

# Shader builds seen so far; the first frame builds once.
builds=1

# Puts the demo's shader (saved as good.hlsl) back after case $1, presses F5
# and waits for the rebuild.
repair_shader() {
    rm -rf "$work/normal.hlsl"
    cp "$work/good.hlsl" "$work/normal.hlsl"
    press_in_window F5
    builds=$((builds + 1))
    wait_for "Dx12::Shader::Shader : OK filename=normal.hlsl" 30 "$builds" ||
        fail "$1: no rebuild after the repair"
}

# Presses key $1 in the window of launch_drawing_in_window.
press_in_window() {
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    press "$1"
}

finish() {
    if ((failures > 0)); then
        echo "--- last program output ---" >&2
        tail -n 20 "$out" >&2 2>/dev/null
        echo "--- its standard error ---" >&2
        tail -n 20 "$work/err.txt" >&2 2>/dev/null
        exit 1
    fi
    echo "$1: all checks passed"
    exit 0
}
