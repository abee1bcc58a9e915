#!/usr/bin/env bash
# Builds Release and runs, headless and on the same Vulkan device, the
# plain-Vulkan reference, the same frame straight through the Direct3D 12
# stand-in, and the Brennwick renderer's frames; then prints the ratios.
# The programs take turns, round after round, in an order that rotates each
# round. Each round gives each program's median frame time and, from those,
# the round's ratio to the reference: a ratio of runs made seconds apart, so
# load that drifts over minutes on a shared machine cancels out of it. The
# headline ratio is the median of the rounds' ratios; the frame times shown are
# the medians of the rounds' medians. Then the reference and the bare
# Direct3D 12 frame again, with 4, 16 and 64 times the instances (their
# --scale; fewer frames a round, since each takes that much longer).
# Usage: scripts/bench.sh [frames per round [warm-up frames [rounds]]]
# BRENNWICK_BENCH_BUILD picks the build folder (default build/release);
# BRENNWICK_BENCH_SCALES the sizes (default "4 16 64"; empty for none).
set -euo pipefail
cd "$(dirname "$0")/.."

frames=${1:-40}
warmup=${2:-5}
rounds=${3:-11}
build=${BRENNWICK_BENCH_BUILD:-build/release}
programs=(reference_vulkan d3d12_frame_bench brennwick_bench)
scales=${BRENNWICK_BENCH_SCALES-4 16 64}

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

# run NAME PROGRAM OUTPUT ARGS...: runs once and adds the median to NAME's list.
run() {
    local name=$1 program=$2 output=$3
    shift 3
    "$build/bench/$program" "$@" >"$output"
    local value
    value=$(median_of_run "$output")
    if [[ -z $value ]]; then
        echo "$program did not report its median frame time:" >&2
        cat "$output" >&2
        exit 1
    fi
    echo "$value" >>"$log/$name.medians"
}

# round_ratio NAME REFERENCE: adds the round's NAME / REFERENCE to NAME's ratios.
round_ratio() {
    local value reference
    value=$(tail -n 1 "$log/$1.medians")
    reference=$(tail -n 1 "$log/$2.medians")
    awk -v a="$value" -v b="$reference" 'BEGIN { printf "%.3f\n", a / b }' >>"$log/$1.ratios"
}

for round in $(seq 1 "$rounds"); do
    count=${#programs[@]}
    for ((turn = 0; turn < count; ++turn)); do
        program=${programs[$(((round - 1 + turn) % count))]}
        run "$program" "$program" "$log/$program.$round" --frames "$frames" --warmup "$warmup"
    done
    for program in d3d12_frame_bench brennwick_bench; do
        round_ratio "$program" reference_vulkan
    done
    echo "round $round of $rounds done"
done
for scale in $scales; do
    scaled_frames=$(((frames + scale - 1) / scale > 3 ? (frames + scale - 1) / scale : 3))
    for round in $(seq 1 "$rounds"); do
        pair=(reference_vulkan d3d12_frame_bench)
        if ((round % 2 == 0)); then
            pair=(d3d12_frame_bench reference_vulkan)
        fi
        for program in "${pair[@]}"; do
            run "$program.x$scale" "$program" "$log/$program.x$scale.$round" \
                --frames "$scaled_frames" --warmup 1 --scale "$scale"
        done
        round_ratio "d3d12_frame_bench.x$scale" "reference_vulkan.x$scale"
    done
    echo "${scale}x the instances: $rounds rounds of $scaled_frames frames done"
done

for program in "${programs[@]}"; do
    echo "== $program (last round)"
    grep -E '^(reference|d3d12 direct|brennwick):' "$log/$program.$rounds"
done
echo "== medians of the $rounds rounds' median frame times"
middle() { sort -g "$log/$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for program in "${programs[@]}"; do
    printf '%-18s %s ms (rounds: %s)\n' "$program" "$(middle "$program.medians")" \
        "$(paste -sd ' ' "$log/$program.medians")"
done
for program in d3d12_frame_bench brennwick_bench; do
    if [[ "$(device "$log/reference_vulkan.1")" != "$(device "$log/$program.1")" ]]; then
        echo "warning: $program did not run on the reference's Vulkan device" >&2
    fi
done
if [[ -n $scales ]]; then
    echo "== the same frame with more instances (medians of the rounds' medians and ratios)"
    printf '%-6s %-10s %-14s %-14s %s\n' scale instances reference d3d12_direct ratio
    printf '%-6s %-10s %-14s %-14s %s\n' 1 4096 "$(middle reference_vulkan.medians) ms" \
        "$(middle d3d12_frame_bench.medians) ms" "$(middle d3d12_frame_bench.ratios)"
    for scale in $scales; do
        printf '%-6s %-10s %-14s %-14s %s\n' "$scale" $((4096 * scale)) \
            "$(middle "reference_vulkan.x$scale.medians") ms" \
            "$(middle "d3d12_frame_bench.x$scale.medians") ms" \
            "$(middle "d3d12_frame_bench.x$scale.ratios")"
    done
fi
echo "== frame time ratios to the reference, median of the $rounds rounds' ratios"
for program in d3d12_frame_bench brennwick_bench; do
    printf 'frame time ratio (%s / reference): %s (rounds: %s)\n' "$program" \
        "$(middle "$program.ratios")" "$(paste -sd ' ' "$log/$program.ratios")"
done
