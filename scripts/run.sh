#!/usr/bin/env bash
# Builds the demo (Release) and runs it from the shaders/ folder, which holds
# "normal.hlsl". Extra arguments are ignored by the program.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
cmake --preset release -G Ninja
cmake --build --preset release -j "$(nproc)"

if [[ ! -x build/release/app/brennwick ]]; then
    echo "The demo executable has not been built yet." >&2
    exit 1
fi
cd shaders
exec ../build/release/app/brennwick
