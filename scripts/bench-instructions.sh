#!/usr/bin/env bash
# Counts with callgrind the instructions a frame of each benchmark program
# executes after warm-up, on the calling thread (the thread that records and
# submits) and on all threads together. Instructions do not change with the
# machine's load, so these figures mean the same on a busy shared machine,
# where the wall-clock rounds of scripts/bench.sh may not.
# Each program runs twice under callgrind, with the same warm-up and with F and
# then 3F measured frames; the difference over 2F frames is one frame's work
# (start-up, warm-up and teardown cancel out).
# Usage: scripts/bench-instructions.sh [frames F [warm-up frames]]  (3 and 3)
# BRENNWICK_BENCH_BUILD picks the build folder (default build/release);
# BRENNWICK_BENCH_SCALES adds the reference and the bare Direct3D 12 frame with
# that many times the instances (default none), calling thread only: those run
# once, with one warm-up and one measured frame, callgrind writing the calling
# thread's counts after each clock read (it writes the other threads' only at
# the end). x4 takes minutes, x16 a quarter of an hour, x64 hours on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."

frames=${1:-3}
warmup=${2:-3}
build=${BRENNWICK_BENCH_BUILD:-build/release}
programs=(reference_vulkan d3d12_frame_bench brennwick_bench)
scales=${BRENNWICK_BENCH_SCALES:-}

./scripts/deps.sh
if ! command -v valgrind >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends valgrind
fi
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENNWICK_BUILD_TESTS=OFF
fi
cmake --build "$build" --target "${programs[@]}" -j "$(nproc)"

source scripts/callgrind-runs.sh
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

# The instructions counted in one callgrind output file.
total_of() { sed -n 's/^\(totals\|summary\): *\([0-9]*\).*/\2/p' "$1" | head -n 1; }

# count FOLDER PROGRAM FRAMES ARGS...: runs the program under callgrind, one
# output file per thread; writes "calling all" (thread 1 is the calling one)
# to FOLDER/counts. Ends the script when the program fails.
count() {
    local folder=$1 program=$2 measured=$3 file calling=0 all=0 value
    shift 3
    mkdir -p "$folder"
    run_under_callgrind "$folder/out" -- "$program" --frames "$measured" --warmup "$warmup" "$@"
    for file in "$folder"/out-*; do
        value=$(total_of "$file")
        all=$((all + value))
        [[ $file == *-01 ]] && calling=$value
    done
    echo "$calling $all" >"$folder/counts"
}

# per_frame NAME PROGRAM ARGS...: sets NAME's result to one frame's
# "calling all", in instructions.
per_frame() {
    local name=$1 program=$2 short long
    shift 2
    count "$log/$name.short" "$program" "$frames" "$@"
    count "$log/$name.long" "$program" $((3 * frames)) "$@"
    read -r -a short <"$log/$name.short/counts"
    read -r -a long <"$log/$name.long/counts"
    results[$name]="$(((long[0] - short[0]) / (2 * frames))) $(((long[1] - short[1]) / (2 * frames)))"
}

# one_frame NAME PROGRAM SCALE: sets NAME's result to the calling thread's
# count of the measured frame ("-" for all threads). Both programs read the
# clock as the measured frame ends, last of all, so the last count written
# after a clock read is that frame's.
one_frame() {
    local name=$1 program=$2 scale=$3 folder="$log/$1" last
    mkdir -p "$folder"
    run_under_callgrind "$folder/out" --dump-after='bench::NowNanoseconds*' -- \
        "$program" --frames 1 --warmup 1 --scale "$scale"
    last=$(ls "$folder" | sed -n 's/^out\.\([0-9]*\)-01$/\1/p' | sort -n | tail -n 1)
    results[$name]="$(total_of "$folder/out.$last-01") -"
}

millions() { awk -v n="$1" 'BEGIN { if (n == "-") print "-"; else printf "%.2f M", n / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-") print "-"; else printf "%.3f", a / b }'; }

# report REFERENCE NAMES...: a line for each name, with its ratios to REFERENCE.
report() {
    local reference=$1 name
    shift
    local -a base value
    read -r -a base <<<"$reference"
    for name in "$@"; do
        read -r -a value <<<"${results[$name]}"
        printf '%-24s %-12s %-8s %-12s %s\n' "$name" "$(millions "${value[0]}")" \
            "$(ratio "${value[0]}" "${base[0]}")" "$(millions "${value[1]}")" \
            "$(ratio "${value[1]}" "${base[1]}")"
    done
}

declare -A results
for program in "${programs[@]}"; do
    per_frame "$program" "$program"
    echo "$program counted"
done
for scale in $scales; do
    for program in reference_vulkan d3d12_frame_bench; do
        one_frame "$program.x$scale" "$program" "$scale"
        echo "$program x$scale counted"
    done
done

echo "== instructions a frame after $warmup warm-up frames (callgrind, $((2 * frames)) frames)"
printf '%-24s %-12s %-8s %-12s %s\n' program "calling" ratio "all threads" ratio
report "${results[reference_vulkan]}" "${programs[@]}"
for scale in $scales; do
    report "${results[reference_vulkan.x$scale]}" "reference_vulkan.x$scale" \
        "d3d12_frame_bench.x$scale"
done
