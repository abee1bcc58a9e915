#!/usr/bin/env bash
# Builds Release and runs, headless and on the same Vulkan device, the
# plain-Vulkan reference, the same frame straight through the Direct3D 12
# stand-in, and the Brennwick renderer's frames; then prints the ratio.
# The programs take turns over several rounds so that background load on a
# shared machine falls on all of them alike; each figure is the median of the
# rounds' medians.
# Usage: scripts/bench.sh [frames per round [warm-up frames [rounds]]]
# BRENNWICK_BENCH_BUILD picks the build folder (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

frames=${1:-100}
warmup=${2:-10}
rounds=${3:-3}
build=${BRENNWICK_BENCH_BUILD:-build/release}
programs=(reference_vulkan d3d12_frame_bench brennwick_bench)

./scripts/deps.sh
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENNWICK_BUILD_TESTS=OFF
fi
cmake --build "$build" --target "${programs[@]}" -j "$(nproc)"

# Headless: no window system, so Present never waits for a display (no vsync).
unset DISPLAY WAYLAND_DISPLAY VK_INSTANCE_LAYERS

log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

median_of_run() { sed -n 's/.*frame time median \([0-9.]*\) ms.*/\1/p' "$1" | tail -n 1; }
device() { sed -n 's/.*: device \(.*\)$/\1/p' "$1" | head -n 1; }

for round in $(seq 1 "$rounds"); do
    for program in "${programs[@]}"; do
        "$build/bench/$program" --frames "$frames" --warmup "$warmup" >"$log/$program.$round"
        value=$(median_of_run "$log/$program.$round")
        if [[ -z $value ]]; then
            echo "$program did not report its median frame time:" >&2
            cat "$log/$program.$round" >&2
            exit 1
        fi
        echo "$value" >>"$log/$program.medians"
    done
    echo "round $round of $rounds done"
done

for program in "${programs[@]}"; do
    echo "== $program (last round)"
    grep -E '^(reference|d3d12 direct|brennwick):' "$log/$program.$rounds"
done
echo "== medians of the $rounds rounds' median frame times"
middle() { sort -g "$log/$1.medians" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for program in "${programs[@]}"; do
    printf '%-18s %s ms (rounds: %s)\n' "$program" "$(middle "$program")" \
        "$(paste -sd ' ' "$log/$program.medians")"
done
for program in d3d12_frame_bench brennwick_bench; do
    if [[ "$(device "$log/reference_vulkan.1")" != "$(device "$log/$program.1")" ]]; then
        echo "warning: $program did not run on the reference's Vulkan device" >&2
    fi
done
awk -v b="$(middle brennwick_bench)" -v r="$(middle reference_vulkan)" \
    'BEGIN { printf "frame time ratio (brennwick / reference): %.2f\n", b / r }'
