#!/usr/bin/env bash
# Counts with callgrind, for one frame of a benchmark program on its calling
# thread, every Vulkan entry point it calls: calls a frame, calls a
# submission and instructions a frame (inclusive, so each call's work inside
# the driver), then the sum of them and the frame's copies (memcpy). What the
# calling thread counts beyond those is the program's own work; with the
# Direct3D 12 stand-in, the stand-in's.
# As scripts/bench-instructions.sh: runs with F and 3F frames after the same
# warm-up and divides the difference by 2F.
# Usage: scripts/bench-vulkan-calls.sh PROGRAM [frames F [warm-up]]  (1 and 2)
# PROGRAM is a program of bench/ (reference_vulkan, d3d12_frame_bench,
# brennwick_bench); BRENNWICK_BENCH_BUILD picks the build folder (build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:?usage: scripts/bench-vulkan-calls.sh PROGRAM [frames [warm-up]]}
frames=${2:-1}
warmup=${3:-2}
build=${BRENNWICK_BENCH_BUILD:-build/release}
submissions=33 # a frame of the demo: one clear, 32 batches

case $program in
reference_vulkan | d3d12_frame_bench | brennwick_bench) ;;
*)
    echo "not a frame benchmark: $program (reference_vulkan, d3d12_frame_bench, brennwick_bench)" >&2
    exit 2
    ;;
esac
if ! [[ $frames =~ ^[1-9][0-9]{0,2}$ && $warmup =~ ^[0-9]{1,3}$ ]]; then
    echo "frames must be 1 to 999 and warm-up frames 0 to 999" >&2
    exit 2
fi
if [[ ! -x $build/bench/$program ]]; then
    echo "no $build/bench/$program: build it first (cmake --preset release)" >&2
    exit 1
fi
command -v callgrind_annotate >/dev/null || {
    echo "valgrind is not installed" >&2
    exit 1
}

source scripts/callgrind-runs.sh
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

# run MEASURED: the calling thread's callgrind output for that many frames.
run() {
    run_under_callgrind "$log/out.$1" -- "$program" --frames "$1" --warmup "$warmup"
}

# calls FILE: "name instructions calls" for each vk* function and memcpy, from
# the callers' tree (a function's calls are the sum of its callers' counts).
calls() {
    callgrind_annotate --tree=caller --inclusive=yes --threshold=100 "$1" | awk '
        function flush() {
            if (name != "") print name, cost, count
            name = ""
        }
        /^$/ { flush(); count = 0; next }
        / < / && match($0, /\(([0-9,]+)x\)/) {
            n = substr($0, RSTART + 1, RLENGTH - 3); gsub(",", "", n); count += n; next
        }
        / \*  / {
            fn = $0; sub(/.*\*  [^:]*:/, "", fn); sub(/ .*/, "", fn)
            if (fn ~ /^vk[A-Z]/ || fn ~ /^__memcpy_avx_unaligned/) {
                name = fn; cost = $1; gsub(",", "", cost)
            }
        }
        END { flush() }'
}

run "$frames"
run $((3 * frames))
calls "$log/out.$frames-01" >"$log/short"
calls "$log/out.$((3 * frames))-01" >"$log/long"

total_of() { sed -n 's/^\(totals\|summary\): *\([0-9]*\).*/\2/p' "$1" | head -n 1; }
total=$(($(total_of "$log/out.$((3 * frames))-01") - $(total_of "$log/out.$frames-01")))

echo "== $program: Vulkan calls on the calling thread, a frame after $warmup warm-up frames"
awk -v frames="$((2 * frames))" -v subs="$submissions" -v total="$((total / (2 * frames)))" '
    NR == FNR { cost[$1] = $2; count[$1] = $3; next }
    {
        c = ($2 - cost[$1]) / frames; n = ($3 - count[$1]) / frames
        if (c < 500 && c > -500) next
        if ($1 ~ /^vk/ && n < 0.5) { startup += c; next }
        if ($1 ~ /^vk/) { vulkan += c; line[$1] = sprintf("%-32s %7.1f %6.2f %9.1f", $1, n, n / subs, c / 1000) }
        else copies = c
    }
    END {
        printf "%-32s %7s %6s %9s\n", "call", "a frame", "a sub.", "thousand"
        for (f in line) print line[f] | "sort -k4 -n -r"
        close("sort -k4 -n -r")
        printf "%-32s %7s %6s %9.1f\n", "all Vulkan calls", "", "", vulkan / 1000
        printf "%-32s %7s %6s %9.1f\n", "copies (memcpy)", "", "", copies / 1000
        printf "%-32s %7s %6s %9.1f\n", "calling thread", "", "", total / 1000
        printf "%-32s %7s %6s %9.1f\n", "its own work (the rest)", "", "",
            (total - vulkan - copies) / 1000
        printf "(calls made at start-up or teardown differ by %.1f thousand between the runs)\n",
            startup / 1000
    }' "$log/short" "$log/long"
