#!/usr/bin/env bash
# Builds the sanitizer preset (address + undefined behaviour) and runs the soak:
# 3000 headless frames of the demo with F5 pressed every 100 frames. Fails on a
# leak, a sanitizer report, an error line, or resident memory that keeps growing.
# Usage: scripts/soak.sh [frames]
# BRENNWICK_SOAK_BUILD picks the build folder (default build/asan, the asan preset).
set -euo pipefail
cd "$(dirname "$0")/.."

frames=${1:-3000}
build=${BRENNWICK_SOAK_BUILD:-build/asan}

./scripts/deps.sh
if [[ ! -f $build/CMakeCache.txt ]]; then
    if [[ $build == build/asan ]]; then
        cmake --preset asan -G Ninja
    else
        sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer"
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" \
            -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
            -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
    fi
fi
cmake --build "$build" --target brennwick_soak -j "$(nproc)"

# Headless: the Win32 and DXGI stand-ins run without a display.
unset DISPLAY WAYLAND_DISPLAY
# A small quarantine keeps freed memory from inflating the resident size.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:quarantine_size_mb=16}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
start=$(date +%s)
status=0
"$build/bench/brennwick_soak" --frames "$frames" >"$log" 2>&1 || status=$?
elapsed=$(($(date +%s) - start))

grep -E '^soak' "$log" || true
if grep -nE 'ERROR|Failed|runtime error|Sanitizer' "$log" | head -n 20; then
    echo "soak: the run reported errors (above)" >&2
    if [[ $status -eq 0 ]]; then status=1; fi
fi
echo "soak: $frames frames in ${elapsed} s, exit status $status"
exit "$status"
