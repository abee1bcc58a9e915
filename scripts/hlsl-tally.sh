#!/usr/bin/env bash
# Prints where the HLSL compiler stand-in stands against the shader corpus
# (tests/platform/d3dcompiler/corpus): per group of cases, how many get
# Windows' verdict and values, how many differ, and how many crash or stall
# the compiler. Builds the debug tree's corpus test first.
# Usage: scripts/hlsl-tally.sh
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh >/dev/null
if [[ ! -f build/debug/CMakeCache.txt ]]; then
    cmake --preset debug -G Ninja >/dev/null
fi
cmake --build build/debug --target shader_corpus_test -j "$(nproc)" >/dev/null

# The test fails when any case differs; the tally is what this script is for.
build/debug/tests/platform/d3dcompiler/shader_corpus_test \
    --gtest_filter='ShaderCorpus.EveryShaderGetsWindowsVerdict' 2>&1 |
    sed -n 's/^corpus tally  //p' || true
