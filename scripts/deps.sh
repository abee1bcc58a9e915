#!/usr/bin/env bash
# Installs the Debian packages that the build, the demo, the tests, the
# benchmarks and the scripts need on a minimal Debian 12 (the essential packages
# and apt: coreutils, grep, sed, bash and the like are there already).
# Already installed packages are skipped; the package index is refreshed only
# when something is missing. scripts/fresh-root.sh checks this list in a
# brand-new root.
set -euo pipefail

PACKAGES=(
    # the build
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    directx-headers-dev
    libvulkan-dev mesa-vulkan-drivers vulkan-validationlayers
    # shaderc for HLSL; glslang's CMake package needs glslang-tools' programs
    libshaderc-dev glslang-tools spirv-tools
    libxcb1-dev libxcb-icccm4-dev
    # window tests and scripts: Xvfb, xdotool, xdpyinfo/xwininfo/xprop, xwd,
    # import/convert; awk for scripts/bench.sh; python3 for a test's generated file
    xvfb xdotool x11-utils x11-apps imagemagick mawk python3
    # scripts/cross-windows.sh: the compiler, objdump, and GoogleTest's source
    # for the Windows build of the tests
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [[ $(id -u) -ne 0 ]]; then
        if ! command -v sudo >/dev/null; then
            echo "deps: not root and no sudo; as root run: apt-get install ${missing[*]}" >&2
            exit 1
        fi
        SUDO="sudo"
    fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
