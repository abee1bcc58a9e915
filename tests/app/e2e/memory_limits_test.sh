#!/usr/bin/env bash
# The program under `ulimit -v` from 100,000 to 600,000 kB in steps of
# 25,000, headless: whatever runs out, it ends by itself or on SIGINT with a
# status of 0 or 1, never by a signal or an abort.
# Usage: memory_limits_test.sh <brennwick executable> <source folder>
set -uo pipefail

program=$(realpath "$1")
source_dir=$2
source "$(dirname "$0")/e2e_lib.sh"
trap cleanup EXIT
unset DISPLAY

for kb in $(seq 100000 25000 600000); do
    (cd "$work" && ulimit -v "$kb" && exec "$program" >"$out" 2>"$work/err.txt") &
    pid=$!
    # Running frames, or an end of its own.
    wait_for " fps" "$START_LIMIT_S" || true
    running && kill -INT "$pid"
    wait_exit "$QUIT_LIMIT_S"
    if [[ -z $status ]]; then
        fail "ulimit -v $kb: still running $QUIT_LIMIT_S s after SIGINT"
    elif ((status > 1)); then
        fail "ulimit -v $kb: exit status $status ($(tail -n 1 "$work/err.txt"))"
    fi
    echo "ulimit -v $kb: status $status, $(count ' fps') frame-rate lines"
done

finish memory_limits_test
