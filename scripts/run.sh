#!/usr/bin/env bash
# Builds the demo (Release) and runs it from the shaders/ folder, which holds
# "normal.hlsl".
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
cmake --preset release -G Ninja
cmake --build --preset release -j "$(nproc)"

cd shaders
exec ../build/release/app/brennwick
