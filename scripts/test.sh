#!/usr/bin/env bash
# Builds everything and runs every test. Usage: scripts/test.sh [--asan]
set -euo pipefail
cd "$(dirname "$0")/.."

preset=debug
for arg in "$@"; do
    case "$arg" in
        --asan) preset=asan ;;
        *) echo "usage: $0 [--asan]" >&2; exit 2 ;;
    esac
done

./scripts/deps.sh

jobs=$(nproc)
cmake --preset "$preset" -G Ninja
cmake --build --preset "$preset" -j "$jobs"

# Window tests need an X server; start a private Xvfb for the run.
source scripts/xvfb.sh
start_xvfb

if [[ $preset == asan ]]; then
    # Vulkan drivers and loaders keep allocations alive until exit.
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
    export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
fi

ctest --preset "$preset" -j "$jobs"

# The same sources against MinGW-w64's Windows headers and import libraries.
if [[ $preset == debug ]]; then
    ./scripts/cross-windows.sh
fi
