#!/usr/bin/env bash
# The program in hostile but fair surroundings: started without standard
# streams or with output to a full device, its display missing, killed or its
# window destroyed, closed by a window manager, and keys pressed in haste.
# Usage: surroundings_test.sh <brennwick executable> <source folder>
#        <send_close_request executable>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
send_close_request=$(realpath "$3")
source "$(dirname "$0")/e2e_lib.sh"
trap cleanup EXIT

start_display
display=$DISPLAY

# Where each of the program's standard descriptors leads.
standard_descriptors() {
    local fd
    for fd in 0 1 2; do
        readlink "/proc/$pid/fd/$fd" 2>/dev/null || echo "(closed)"
    done
}

# Started with standard output closed, and with all three closed: nothing the
# program opens lands on them, the window answers Escape, the end is clean.
for closed in '>&- 2>"$work/err.txt"' '<&- >&- 2>&-'; do
    launch "$closed"
    window=$(find_window)
    [[ -n $window ]] || fail "$closed: no window"
    descriptors=$(standard_descriptors)
    [[ $(sed -n 2p <<<"$descriptors") == /dev/null ]] ||
        fail "$closed: standard output leads to $(sed -n 2p <<<"$descriptors")"
    if [[ $closed == '<&-'* ]]; then
        [[ $descriptors == $'/dev/null\n/dev/null\n/dev/null' ]] ||
            fail "$closed: standard descriptors lead to: $descriptors"
    fi
    press --window "$window" Escape
    expect_clean_exit "$closed" "$QUIT_LIMIT_S"
done

# Output to a device that is always full: every line fails, nothing else does.
launch '>/dev/full 2>"$work/err.txt"'
window=$(find_window)
[[ -n $window ]] || fail "/dev/full: no window"
press --window "$window" Escape
expect_clean_exit "/dev/full" "$QUIT_LIMIT_S"

# A hundred quick F5 presses, then Escape twice: one teardown, status 0.
launch '>"$out" 2>"$work/err.txt"'
window=$(find_window)
wait_for " fps" "$START_LIMIT_S" || fail "F5: no frame-rate line within $START_LIMIT_S s"
keys=()
for _ in $(seq 1 100); do
    keys+=(F5)
done
xdotool key --window "$window" --delay 1 "${keys[@]}" 2>/dev/null
wait_for "Dx12::Renderer::DeleteShader : normal.hlsl : Delete cache_shader" "$EVENT_LIMIT_S" ||
    fail "F5: the shader cache was never emptied"
running || fail "F5: the program ended"
press --window "$window" Escape Escape
expect_clean_exit "Escape twice" "$QUIT_LIMIT_S"
expect_teardown "Escape twice"

# The window manager's close box (WM_DELETE_WINDOW), and the window destroyed
# by another client.
for how in close-request destroyed; do
    launch '>"$out" 2>"$work/err.txt"'
    window=$(find_window)
    wait_for " fps" "$START_LIMIT_S" || fail "$how: no frame-rate line within $START_LIMIT_S s"
    if [[ $how == close-request ]]; then
        "$send_close_request" "$window" || fail "$how: the request was not sent"
    else
        xdotool windowclose "$window" 2>/dev/null || fail "$how: the window was not destroyed"
    fi
    expect_clean_exit "$how" "$QUIT_LIMIT_S"
    expect_teardown "$how"
done

# The X server goes away under the program.
launch_xvfb || exit 1
extra_xvfb=$xvfb_pid
export DISPLAY=$xvfb_display
launch '>"$out" 2>"$work/err.txt"'
wait_for " fps" "$START_LIMIT_S" || fail "server killed: no frame-rate line within $START_LIMIT_S s"
kill "$extra_xvfb"
wait "$extra_xvfb" 2>/dev/null
extra_xvfb=
expect_clean_exit "server killed" "$QUIT_LIMIT_S"
expect_teardown "server killed"

# DISPLAY names a server that does not exist: the program runs without one.
export DISPLAY=":$((${xvfb_display#:} + 1000))"
launch '>"$out" 2>"$work/err.txt"'
wait_for " fps" "$START_LIMIT_S" || fail "no server: no frame-rate line within $START_LIMIT_S s"
grep -q "running without a display" "$work/err.txt" || fail "no server: not said on stderr"
kill -INT "$pid"
expect_clean_exit "no server" "$QUIT_LIMIT_S"
expect_teardown "no server"
export DISPLAY=$display

finish "surroundings"
