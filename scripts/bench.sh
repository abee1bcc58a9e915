#!/usr/bin/env bash
# Builds Release and runs, headless and on the same Vulkan device, the
# plain-Vulkan reference, the same frame straight through the Direct3D 12
# stand-in, and the Brennwick renderer's frames; then prints the ratio.
# Usage: scripts/bench.sh [frames [warm-up frames]]
# BRENNWICK_BENCH_BUILD picks the build folder (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

frames=${1:-200}
warmup=${2:-20}
build=${BRENNWICK_BENCH_BUILD:-build/release}

./scripts/deps.sh
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENNWICK_BUILD_TESTS=OFF
fi
cmake --build "$build" --target reference_vulkan d3d12_frame_bench brennwick_bench -j "$(nproc)"

# Headless: no window system, so Present never waits for a display (no vsync).
unset DISPLAY WAYLAND_DISPLAY VK_INSTANCE_LAYERS

log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

echo "== reference (plain Vulkan)"
"$build/bench/reference_vulkan" --frames "$frames" --warmup "$warmup" | tee "$log/reference"
echo "== Direct3D 12 straight on the stand-in, no renderer"
"$build/bench/d3d12_frame_bench" --frames "$frames" --warmup "$warmup" | tee "$log/d3d12"
echo "== brennwick (renderer over the stand-in)"
"$build/bench/brennwick_bench" --frames "$frames" --warmup "$warmup" | tee "$log/brennwick"

median() { sed -n 's/.*frame time median \([0-9.]*\) ms.*/\1/p' "$1" | tail -n 1; }
device() { sed -n 's/.*: device \(.*\)$/\1/p' "$1" | head -n 1; }
reference_ms=$(median "$log/reference")
brennwick_ms=$(median "$log/brennwick")
if [[ -z $reference_ms || -z $brennwick_ms ]]; then
    echo "a benchmark did not report its median frame time" >&2
    exit 1
fi
for run in d3d12 brennwick; do
    if [[ "$(device "$log/reference")" != "$(device "$log/$run")" ]]; then
        echo "warning: $run did not run on the reference's Vulkan device" >&2
    fi
done
awk -v b="$brennwick_ms" -v r="$reference_ms" \
    'BEGIN { printf "frame time ratio (brennwick / reference): %.2f\n", b / r }'
