#!/usr/bin/env bash
# What one F5 recompile of the demo's shader costs: "normal.hlsl" compiled for
# the vertex and the pixel stage as the demo does it (bench/compile_bench.cpp),
# after a first F5 that builds the compiler's built-in tables.
# Instructions, counted with callgrind in the program and in the compiler's
# child processes (--trace-children=yes), do not change with the machine's
# load. The program runs twice under callgrind, with 1 and then 3 measured F5s
# after the same warm-up; the difference over 2 F5s is one F5's work.
# The wall time is the median of N F5s run natively (it does change with load).
# Usage: scripts/bench-compile.sh [N]  (21)
# BRENNWICK_BENCH_BUILD picks the build folder (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-21}
build=${BRENNWICK_BENCH_BUILD:-build/release}

./scripts/deps.sh
if ! command -v valgrind >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends valgrind
fi
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENNWICK_BUILD_TESTS=OFF
fi
cmake --build "$build" --target compile_bench -j "$(nproc)"

# Under callgrind a compile takes seconds, not milliseconds.
export BRENNWICK_HLSL_COMPILE_SECONDS=600
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

total_of() { sed -n 's/^\(totals\|summary\): *\([0-9]*\).*/\2/p' "$1" | head -n 1; }

# count FOLDER F5S: runs the benchmark under callgrind, one output file per
# process; writes "program children" (instructions) to FOLDER/counts and the
# children's counts, in the order they were started, to FOLDER/children.
# A forked child starts with its parent's counts: --dump-after=fork writes
# those to a part file of their own (out.PID.1), so the child's last file
# (out.PID) holds its own work alone. The program's parts add up to its whole.
count() {
    local folder=$1 measured=$2 file pid program=0 children=0 value first
    mkdir -p "$folder"
    valgrind --tool=callgrind --trace-children=yes --dump-after=fork \
        --callgrind-out-file="$folder/out.%p" "$build/bench/compile_bench" \
        --frames "$measured" --warmup 1 >"$folder/stdout" 2>"$folder/stderr" || {
        grep -v '^==' "$folder/stderr" | tail -n 20 >&2
        echo "compile_bench failed under callgrind" >&2
        exit 1
    }
    first=$(sed -n '1s/^==\([0-9]*\)==.*/\1/p' "$folder/stderr")
    for file in "$folder/out.$first" "$folder/out.$first".*; do
        program=$((program + $(total_of "$file")))
    done
    : >"$folder/children"
    for pid in $(ls "$folder" | sed -n 's/^out\.\([0-9]*\)$/\1/p' | sort -n); do
        [[ $pid == "$first" ]] && continue
        value=$(total_of "$folder/out.$pid")
        children=$((children + value))
        echo "$value" >>"$folder/children"
    done
    echo "$program $children" >"$folder/counts"
}

millions() { awk -v n="$1" 'BEGIN { printf "%.2f M", n / 1e6 }'; }

count "$log/short" 1
count "$log/long" 3
read -r -a short <"$log/short/counts"
read -r -a long <"$log/long/counts"
program=$(((long[0] - short[0]) / 2))
children=$(((long[1] - short[1]) / 2))
mapfile -t stages < <(tail -n 2 "$log/long/children")

echo "== one F5 recompile of normal.hlsl (vertex and pixel stage), callgrind instructions"
printf '%-34s %s\n' "program (the caller)" "$(millions "$program")"
printf '%-34s %s\n' "compiler children" "$(millions "$children")"
printf '%-34s %s\n' "  of which the last vertex stage" "$(millions "${stages[0]}")"
printf '%-34s %s\n' "  of which the last pixel stage" "$(millions "${stages[1]}")"
printf '%-34s %s\n' "total" "$(millions $((program + children)))"
unset BRENNWICK_HLSL_COMPILE_SECONDS
echo "== wall time, $rounds F5s after one"
"$build/bench/compile_bench" --frames "$rounds" --warmup 1
