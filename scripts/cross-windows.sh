#!/usr/bin/env bash
# Cross-compiles the system and its public-API tests for 64-bit Windows with
# MinGW-w64 (the windows-mingw preset) warning-free, then checks that
# brennwick.exe is a 64-bit console program importing the Direct3D 12, DXGI,
# HLSL compiler and user32 DLLs, and that the tests import Direct3D 12 too.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BRENNWICK_WINDOWS_BUILD_DIR:-$ROOT/build/windows-mingw}"
OBJDUMP=x86_64-w64-mingw32-objdump

if ! command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1; then
    echo "cross-windows: x86_64-w64-mingw32-g++ not installed (scripts/deps.sh)" >&2
    exit 1
fi

cmake --preset windows-mingw -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_CXX_FLAGS=-Werror -DCMAKE_C_FLAGS=-Werror
cmake --build "$BUILD_DIR" -j"${BRENNWICK_JOBS:-2}"

EXE="$BUILD_DIR/app/brennwick.exe"
if [[ ! -f "$EXE" ]]; then
    echo "cross-windows: $EXE was not built" >&2
    exit 1
fi

HEADERS="$("$OBJDUMP" -p "$EXE")"
fail=0
check() {
    local what="$1" pattern="$2"
    if grep -qiE "$pattern" <<<"$HEADERS"; then
        echo "cross-windows: $what: yes"
    else
        echo "cross-windows: $what: NO" >&2
        fail=1
    fi
}
check "PE32+ (64-bit)" '^Magic[[:space:]]+020b'
check "console subsystem" '^Subsystem[[:space:]]+0+3[[:space:]]'
for dll in d3d12.dll dxgi.dll d3dcompiler_47.dll user32.dll; do
    check "imports $dll" "DLL Name: $dll\$"
done
TESTS="$BUILD_DIR/tests/platform/d3d12/d3d12_api_tests.exe"
if [[ -f "$TESTS" ]] && grep -qi 'DLL Name: d3d12.dll$' <<<"$("$OBJDUMP" -p "$TESTS")"; then
    echo "cross-windows: d3d12_api_tests.exe imports d3d12.dll: yes"
else
    echo "cross-windows: d3d12_api_tests.exe not built or not importing d3d12.dll" >&2
    fail=1
fi
if [[ $fail -ne 0 ]]; then
    echo "cross-windows: FAILED" >&2
    exit 1
fi
echo "cross-windows: OK"
