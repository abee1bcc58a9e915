#!/usr/bin/env bash
# Ctrl+C and SIGTERM from outside, with a window and without a display, also
# while standard output is a pipe that is full because nobody reads it.
# Usage: quit_requests_test.sh <brennwick executable> <source folder>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
source "$(dirname "$0")/e2e_lib.sh"
trap cleanup EXIT

start_display
display=$DISPLAY

# Each request ends the program with its teardown, window or not.
for signal in INT TERM; do
    for where in window headless; do
        if [[ $where == window ]]; then
            export DISPLAY=$display
        else
            unset DISPLAY
        fi
        launch '>"$out" 2>"$work/err.txt"'
        wait_for " fps" "$START_LIMIT_S" || fail "$where SIG$signal: no frame-rate line within $START_LIMIT_S s"
        kill -"$signal" "$pid"
        expect_clean_exit "$where SIG$signal" "$QUIT_LIMIT_S"
        expect_teardown "$where SIG$signal"
    done
done
export DISPLAY=$display

# A second request, while the first is not yet answered, ends the process at
# once: both are delivered together when the stopped process goes on.
launch '>"$out" 2>"$work/err.txt"'
wait_for " fps" "$START_LIMIT_S" || fail "two requests: no frame-rate line within $START_LIMIT_S s"
kill -STOP "$pid"
kill -INT "$pid"
kill -TERM "$pid"
kill -CONT "$pid"
wait_exit "$QUIT_LIMIT_S"
[[ $status == 130 || $status == 143 ]] || fail "two requests: exit status '$status', not 128 + signal"
(($(count "Delete buffermapper") == 0)) || fail "two requests: the teardown still ran"

# Standard output is a pipe that nobody reads and that is full: the program
# is stuck writing its frame-rate line until a quit request frees it. The
# pipe is shared with this script, which sees the flags the program leaves.
fifo=$work/stdout.fifo
mkfifo "$fifo"
for signal in INT TERM; do
    exec 3<>"$fifo"
    launch '>&3 2>"$work/err.txt"'
    # Read along until the loop runs, then stop reading and fill the pipe.
    timeout "$START_LIMIT_S" grep -q -m 1 " fps" <&3 || fail "full pipe SIG$signal: no frame-rate line"
    dd if=/dev/zero of=/dev/fd/3 bs=4096 count=1024 oflag=nonblock status=none 2>/dev/null
    blocked=
    for _ in $(seq 1 100); do
        if [[ $(cat "/proc/$pid/wchan" 2>/dev/null) == *pipe_write ]]; then
            blocked=yes
            break
        fi
        sleep 0.1
    done
    [[ -n $blocked ]] || fail "full pipe SIG$signal: the program never blocked writing"
    kill -"$signal" "$pid"
    expect_clean_exit "full pipe SIG$signal" "$QUIT_LIMIT_S"
    echo "full pipe SIG$signal: ended within $((elapsed * 100)) ms of the request"
    flags=$(awk '/^flags:/ {print $2}' "/proc/$$/fdinfo/3")
    (((8#$flags & 8#4000) == 0)) || fail "full pipe SIG$signal: left non-blocking (flags $flags)"
    exec 3<&-
done

# The reader of standard output goes away: writes fail, as on Windows, and the
# program goes on until asked to quit.
head -n 1 "$fifo" >/dev/null &
reader=$!
launch '>"$fifo" 2>"$work/err.txt"'
wait "$reader"
sleep 3
running || fail "reader gone: the program ended when its output could not be written"
kill -INT "$pid" 2>/dev/null
expect_clean_exit "reader gone" "$QUIT_LIMIT_S"

finish "quit requests"
