// A Direct3D 12 device with a direct queue, a window from the Win32 stand-in
// and the few GPU steps the swap-chain tests repeat.
#pragma once

#include <device_fixture.h>

#include <dxgi1_4.h>

class SwapChainTest : public DeviceFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // A shown top-level window with a client area of width x height at (x, y).
    static HWND MakeWindow(int width, int height, int x = 0, int y = 0);
    // The description the system uses: flip discard, RGBA8, windowed.
    static DXGI_SWAP_CHAIN_DESC Describe(HWND window, UINT width, UINT height, UINT buffers);
    // Creates a swap chain on `queue` and returns its IDXGISwapChain3 (null on failure).
    IDXGISwapChain3* MakeSwapChain(const DXGI_SWAP_CHAIN_DESC& desc);

    // Clears `buffer` (state PRESENT) to `color` and leaves it in PRESENT.
    void Clear(ID3D12Resource* buffer, const float color[4]);
    // Copies `texture` (state PRESENT) into a readback buffer: tightly packed RGBA8 rows.
    using DeviceFixture::ReadBack;
    std::vector<uint8_t> ReadBack(ID3D12Resource* texture) {
        return ReadBack(texture, D3D12_RESOURCE_STATE_PRESENT);
    }

    ComPtr<ID3D12DescriptorHeap> rtvHeap;
    ComPtr<IDXGIFactory4> factory;
};
