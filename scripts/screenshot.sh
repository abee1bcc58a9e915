#!/usr/bin/env bash
# Runs the demo on a private X server for a few seconds, saves its window to
# docs/screenshot.png and quits it with Escape.
# Usage: scripts/screenshot.sh [path to the brennwick executable]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

program=${1:-}
if [[ -z $program ]]; then
    for candidate in build/release/app/brennwick build/debug/app/brennwick; do
        if [[ -x $candidate ]]; then
            program=$candidate
            break
        fi
    done
fi
if [[ -z $program || ! -x $program ]]; then
    echo "No brennwick executable found; build it first (scripts/run.sh) or name it." >&2
    exit 1
fi
program=$(realpath "$program")

source scripts/xvfb.sh
start_xvfb

work=$(mktemp -d)
cp shaders/normal.hlsl "$work/"
(cd "$work" && exec "$program" >"$work/out.txt" 2>&1) &
pid=$!
trap 'kill -KILL $pid 2>/dev/null || true; rm -rf "$work"; kill $BRENNWICK_XVFB_PID 2>/dev/null || true' EXIT

for _ in $(seq 1 600); do
    grep -q " fps" "$work/out.txt" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || { cat "$work/out.txt" >&2; exit 1; }
    sleep 0.1
done
sleep 3

window=$(xdotool search --name '^Brennwick$' | head -n 1)
mkdir -p docs
import -window "$window" "$root/docs/screenshot.png"
xdotool windowfocus "$window" key Escape
wait "$pid"
echo "saved docs/screenshot.png"
