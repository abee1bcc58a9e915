// The live swap chains: which window each one presents to (a window takes one
// flip-model swap chain at a time) and how often each presented.
#pragma once

#include <windows.h>

#include <dxgi1_4.h>

#include <atomic>
#include <cstdint>

namespace dxgi_standin {

// False when another live swap chain already presents to `window`.
bool ClaimWindow(HWND window, IDXGISwapChain* swapChain);
void ReleaseWindow(HWND window, IDXGISwapChain* swapChain);

void CountPresent(IDXGISwapChain* swapChain);
// 0 for anything that is not a live stand-in swap chain.
uint64_t PresentsOf(IDXGISwapChain* swapChain);
uint64_t AllPresents();

} // namespace dxgi_standin
