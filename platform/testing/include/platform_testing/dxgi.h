// Test hooks of the DXGI stand-in: how often swap chains presented.
#pragma once

#include <windows.h>

#include <dxgi1_4.h>

#include <cstdint>

namespace platform_testing {

// Presents of one live swap chain (0 for anything else), counted whether or
// not a window showed them.
uint64_t Presents(IDXGISwapChain* swapChain);
// Presents of every swap chain of the process so far.
uint64_t TotalPresents();

} // namespace platform_testing
