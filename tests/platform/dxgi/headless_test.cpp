// Without an X display the swap chain still works: presents only move on to
// the next back buffer and are counted. CTest runs this with DISPLAY unset.
#include "swap_chain_fixture.h"

#include <platform_testing.h>

#include <window_bridge.h>

#include <cstdlib>

namespace {

TEST_F(SwapChainTest, PresentsWithoutADisplayOnlyAdvanceTheBackBuffer) {
    ASSERT_EQ(std::getenv("DISPLAY"), nullptr) << "run with DISPLAY unset";
    HWND window = MakeWindow(64, 48);
    win32_standin::NativeWindow native{};
    ASSERT_TRUE(win32_standin::GetNativeWindow(window, &native));
    EXPECT_EQ(native.connection, nullptr);

    ComPtr<IDXGISwapChain3> swapChain{MakeSwapChain(Describe(window, 64, 48, 2))};
    ASSERT_NE(swapChain, nullptr);
    ComPtr<ID3D12Resource> buffer;
    ASSERT_EQ(swapChain->GetBuffer(0, IID_ID3D12Resource, buffer.PutVoid()), S_OK);
    const float cyan[4] = {0.0f, 1.0f, 1.0f, 0.0f};
    Clear(buffer, cyan);

    std::vector<UINT> order{swapChain->GetCurrentBackBufferIndex()};
    for (UINT interval : {1u, 0u, 1u, 0u}) {
        ASSERT_EQ(swapChain->Present(interval, 0), S_OK);
        order.push_back(swapChain->GetCurrentBackBufferIndex());
    }
    EXPECT_EQ(order, (std::vector<UINT>{0, 1, 0, 1, 0}));
    EXPECT_EQ(platform_testing::Presents(swapChain), 4u);

    std::vector<uint8_t> pixels = ReadBack(buffer);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels[0], 0);
    EXPECT_EQ(pixels[1], 255);
    EXPECT_EQ(pixels[2], 255);
    EXPECT_EQ(swapChain.Reset(), 0u);
}

} // namespace
