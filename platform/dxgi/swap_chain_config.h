// What a flip-model swap chain is made from, and the checks that refuse
// descriptions Direct3D 12 cannot present with.
#pragma once

#include <windows.h>

#include <dxgi1_4.h>

#include <string>

namespace dxgi_standin {

struct SwapChainConfig {
    HWND window = 0;
    DXGI_SWAP_CHAIN_DESC1 desc{};
    DXGI_SWAP_CHAIN_FULLSCREEN_DESC fullscreen{};
};

// The DXGI 1.1 description in the DXGI 1.2 form.
SwapChainConfig ConfigFromDesc(const DXGI_SWAP_CHAIN_DESC& desc);
// And back, for IDXGISwapChain::GetDesc.
DXGI_SWAP_CHAIN_DESC DescFromConfig(const SwapChainConfig& config);

// S_OK, or the HRESULT that refuses the description with the reason in `reason`.
// Width and height must already be resolved from the window.
HRESULT CheckSwapChainConfig(const SwapChainConfig& config, std::string* reason);

} // namespace dxgi_standin
