#!/usr/bin/env bash
# Installs the Debian packages that the build, the demo and the tests need.
# Already installed packages are skipped; the package index is refreshed only
# when something is missing.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    directx-headers-dev
    libvulkan-dev mesa-vulkan-drivers vulkan-validationlayers
    libshaderc-dev glslang-tools spirv-tools
    libxcb1-dev libxcb-icccm4-dev
    xvfb xdotool x11-utils x11-apps imagemagick
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
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
    if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
