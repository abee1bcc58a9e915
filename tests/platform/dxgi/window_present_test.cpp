// What Present puts on the screen, seen from outside the process: the window
// is captured by the X server's own means (ImageMagick's import).
#include "swap_chain_fixture.h"

#include <window_bridge.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

struct Capture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgb;
};

Capture CaptureWindow(uint32_t window, uint32_t width, uint32_t height) {
    Capture capture;
    std::string command =
        "import -window " + std::to_string(window) + " -depth 8 rgb:- 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return capture;
    }
    std::vector<uint8_t> bytes(size_t(width) * height * 3);
    size_t got = fread(bytes.data(), 1, bytes.size(), pipe);
    pclose(pipe);
    if (got == bytes.size()) {
        capture = {width, height, std::move(bytes)};
    }
    return capture;
}

double ShareOf(const Capture& capture, uint8_t r, uint8_t g, uint8_t b) {
    if (capture.rgb.empty()) {
        return 0.0;
    }
    size_t matching = 0;
    for (size_t at = 0; at + 2 < capture.rgb.size(); at += 3) {
        matching += capture.rgb[at] == r && capture.rgb[at + 1] == g && capture.rgb[at + 2] == b;
    }
    return double(matching) / double(capture.rgb.size() / 3);
}

// The X server shows a present a little after vkQueuePresentKHR returns.
double ShareAfterPresent(uint32_t window, uint32_t width, uint32_t height, uint8_t r, uint8_t g,
                         uint8_t b) {
    double share = 0.0;
    for (int attempt = 0; attempt < 30 && share < 0.99; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        share = ShareOf(CaptureWindow(window, width, height), r, g, b);
    }
    return share;
}

TEST_F(SwapChainTest, PresentedClearsAppearInTheWindow) {
    // Away from the corner where other tests' windows open, so none covers it.
    HWND window = MakeWindow(160, 120, 1700, 900);
    win32_standin::NativeWindow native{};
    ASSERT_TRUE(win32_standin::GetNativeWindow(window, &native));
    ASSERT_NE(native.connection, nullptr) << "needs an X display (scripts/test.sh runs Xvfb)";
    ASSERT_EQ(factory->MakeWindowAssociation(window, DXGI_MWA_NO_ALT_ENTER), S_OK);
    ComPtr<IDXGISwapChain3> swapChain{
        MakeSwapChain(Describe(window, native.clientWidth, native.clientHeight, 2))};
    ASSERT_NE(swapChain, nullptr);

    // Buffer 0 cyan, buffer 1 red: each present must show the buffer it was
    // given, with the channels in their places.
    const float colors[2][4] = {{0.0f, 1.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 0.0f, 1.0f}};
    for (UINT i = 0; i < 2; ++i) {
        ComPtr<ID3D12Resource> buffer;
        ASSERT_EQ(swapChain->GetBuffer(i, IID_ID3D12Resource, buffer.PutVoid()), S_OK);
        Clear(buffer, colors[i]);
    }
    ASSERT_EQ(swapChain->GetCurrentBackBufferIndex(), 0u);
    ASSERT_EQ(swapChain->Present(1, 0), S_OK);
    WaitForQueue();
    EXPECT_GT(
        ShareAfterPresent(native.window, native.clientWidth, native.clientHeight, 0, 255, 255),
        0.99)
        << "the window should show the cyan buffer";

    ASSERT_EQ(swapChain->Present(0, 0), S_OK);
    WaitForQueue();
    EXPECT_GT(ShareAfterPresent(native.window, native.clientWidth, native.clientHeight, 255, 0, 0),
              0.99)
        << "the window should show the red buffer";
}

TEST_F(SwapChainTest, OtherBufferFormatsShowTheSameColours) {
    const float cyan[4] = {0.0f, 1.0f, 1.0f, 1.0f};
    for (DXGI_FORMAT format : {DXGI_FORMAT_B8G8R8A8_UNORM, DXGI_FORMAT_R10G10B10A2_UNORM,
                               DXGI_FORMAT_R16G16B16A16_FLOAT}) {
        SCOPED_TRACE(format);
        HWND window = MakeWindow(96, 64, 1700, 900);
        win32_standin::NativeWindow native{};
        ASSERT_TRUE(win32_standin::GetNativeWindow(window, &native));
        DXGI_SWAP_CHAIN_DESC1 desc{};
        desc.Format = format;
        desc.SampleDesc.Count = 1;
        desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
        desc.BufferCount = 2;
        desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL;
        ComPtr<IDXGISwapChain1> swapChain;
        ASSERT_EQ(factory->CreateSwapChainForHwnd(queue, window, &desc, nullptr, nullptr,
                                                  swapChain.Put()),
                  S_OK);
        DXGI_SWAP_CHAIN_DESC1 made{};
        ASSERT_EQ(swapChain->GetDesc1(&made), S_OK);
        EXPECT_EQ(made.Format, format);
        EXPECT_EQ(made.Width, native.clientWidth);
        EXPECT_EQ(made.SwapEffect, DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL);

        ComPtr<ID3D12Resource> buffer;
        ASSERT_EQ(swapChain->GetBuffer(0, IID_ID3D12Resource, buffer.PutVoid()), S_OK);
        Clear(buffer, cyan);
        ASSERT_EQ(swapChain->Present(1, 0), S_OK);
        WaitForQueue();
        EXPECT_GT(
            ShareAfterPresent(native.window, native.clientWidth, native.clientHeight, 0, 255, 255),
            0.99);
    }
}

TEST_F(SwapChainTest, KeepsPresentingWhenTheWindowChangesSize) {
    HWND window = MakeWindow(80, 60, 1600, 600); // room to grow on the screen
    win32_standin::NativeWindow native{};
    ASSERT_TRUE(win32_standin::GetNativeWindow(window, &native));
    ASSERT_NE(native.connection, nullptr) << "needs an X display (scripts/test.sh runs Xvfb)";
    ComPtr<IDXGISwapChain3> swapChain{MakeSwapChain(Describe(window, 80, 60, 2))};
    ASSERT_NE(swapChain, nullptr);
    const float cyan[4] = {0.0f, 1.0f, 1.0f, 1.0f};
    for (UINT i = 0; i < 2; ++i) {
        ComPtr<ID3D12Resource> buffer;
        ASSERT_EQ(swapChain->GetBuffer(i, IID_ID3D12Resource, buffer.PutVoid()), S_OK);
        Clear(buffer, cyan);
    }
    ASSERT_EQ(swapChain->Present(1, 0), S_OK);

    // Resized behind the swap chain's back: its Vulkan swap chain goes out of
    // date and the buffers are stretched over the new area. The server handles
    // one connection's requests in order, so once it answers the geometry
    // request the new size is in place.
    const uint32_t size[2] = {200, 150};
    xcb_configure_window(native.connection, native.window,
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(
        native.connection, xcb_get_geometry(native.connection, native.window), nullptr);
    ASSERT_NE(geometry, nullptr);
    EXPECT_EQ(geometry->width, size[0]);
    EXPECT_EQ(geometry->height, size[1]);
    std::free(geometry);
    for (int frame = 0; frame < 3; ++frame) {
        ASSERT_EQ(swapChain->Present(1, 0), S_OK);
    }
    WaitForQueue();
    EXPECT_GT(ShareAfterPresent(native.window, size[0], size[1], 0, 255, 255), 0.99);
}

} // namespace
