// The flip-model swap chain on a Direct3D 12 queue: creation and refusals,
// buffers, the back-buffer order, and what a cleared buffer holds.
#include "swap_chain_fixture.h"

#include <platform_testing.h>

#include <window_bridge.h>

namespace {

template <typename T> T* const kJunk = reinterpret_cast<T*>(uintptr_t{0x1});

TEST(DxgiFactory, AnswersForEveryFactoryInterfaceWithItsSdkId) {
    EXPECT_EQ(IID_IDXGIFactory4, __uuidof(IDXGIFactory4));
    EXPECT_EQ(IID_IDXGISwapChain3, __uuidof(IDXGISwapChain3));
    ComPtr<IDXGIFactory4> factory;
    ASSERT_EQ(CreateDXGIFactory1(IID_PPV_ARGS(factory.Put())), S_OK);
    for (REFIID riid : {IID_IUnknown, IID_IDXGIObject, IID_IDXGIFactory, IID_IDXGIFactory1,
                        IID_IDXGIFactory2, IID_IDXGIFactory3}) {
        IUnknown* other = nullptr;
        EXPECT_EQ(factory->QueryInterface(riid, reinterpret_cast<void**>(&other)), S_OK);
        EXPECT_EQ(other, static_cast<IUnknown*>(factory));
        other->Release();
    }
    IDXGISwapChain* notAFactory = kJunk<IDXGISwapChain>;
    EXPECT_EQ(factory->QueryInterface(IID_IDXGISwapChain, reinterpret_cast<void**>(&notAFactory)),
              E_NOINTERFACE);
    EXPECT_EQ(notAFactory, nullptr);
    EXPECT_EQ(factory.Reset(), 0u);

    ComPtr<IDXGIFactory2> debugFactory;
    ASSERT_EQ(CreateDXGIFactory2(DXGI_CREATE_FACTORY_DEBUG, IID_PPV_ARGS(debugFactory.Put())),
              S_OK);
    EXPECT_EQ(debugFactory.Reset(), 0u);
    IDXGIFactory2* refused = kJunk<IDXGIFactory2>;
    EXPECT_EQ(CreateDXGIFactory2(0x10, IID_PPV_ARGS(&refused)), DXGI_ERROR_INVALID_CALL);
    EXPECT_EQ(refused, nullptr);
}

TEST_F(SwapChainTest, WindowAssociationTakesOnlyKnownFlagsAndWindows) {
    HWND window = MakeWindow(64, 64);
    EXPECT_EQ(factory->MakeWindowAssociation(window, DXGI_MWA_NO_ALT_ENTER), S_OK);
    HWND associated = 0;
    EXPECT_EQ(factory->GetWindowAssociation(&associated), S_OK);
    EXPECT_EQ(associated, window);
    EXPECT_EQ(factory->MakeWindowAssociation(window, 0x8), DXGI_ERROR_INVALID_CALL);
    EXPECT_EQ(factory->MakeWindowAssociation(HWND(987654), DXGI_MWA_NO_ALT_ENTER),
              DXGI_ERROR_INVALID_CALL);
}

TEST_F(SwapChainTest, RefusesDescriptionsDirect3D12CannotPresentWith) {
    HWND window = MakeWindow(64, 64);
    auto refusal = [&](IUnknown* device, DXGI_SWAP_CHAIN_DESC desc) {
        IDXGISwapChain* swapChain = kJunk<IDXGISwapChain>;
        HRESULT result = factory->CreateSwapChain(device, &desc, &swapChain);
        EXPECT_EQ(swapChain, nullptr);
        return result;
    };
    DXGI_SWAP_CHAIN_DESC good = Describe(window, 64, 64, 2);
    DXGI_SWAP_CHAIN_DESC desc = good;
    desc.SwapEffect = DXGI_SWAP_EFFECT_DISCARD;
    EXPECT_EQ(refusal(queue, desc), DXGI_ERROR_INVALID_CALL) << "blt model";
    desc.SwapEffect = DXGI_SWAP_EFFECT_SEQUENTIAL;
    EXPECT_EQ(refusal(queue, desc), DXGI_ERROR_INVALID_CALL) << "blt model";
    desc = good;
    desc.BufferCount = 1;
    EXPECT_EQ(refusal(queue, desc), DXGI_ERROR_INVALID_CALL);
    desc.BufferCount = 17;
    EXPECT_EQ(refusal(queue, desc), DXGI_ERROR_INVALID_CALL);
    desc = good;
    desc.OutputWindow = HWND(987654);
    EXPECT_EQ(refusal(queue, desc), DXGI_ERROR_INVALID_CALL) << "unknown window";
    desc = good;
    desc.SampleDesc.Count = 4;
    EXPECT_EQ(refusal(queue, desc), DXGI_ERROR_INVALID_CALL) << "multisampled";
    desc = good;
    desc.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM_SRGB;
    EXPECT_EQ(refusal(queue, desc), DXGI_ERROR_INVALID_CALL) << "sRGB buffers";
    EXPECT_EQ(refusal(device, good), DXGI_ERROR_INVALID_CALL) << "a device, not a queue";
    EXPECT_EQ(refusal(nullptr, good), DXGI_ERROR_INVALID_CALL);
    IDXGISwapChain* swapChain = kJunk<IDXGISwapChain>;
    EXPECT_EQ(factory->CreateSwapChain(queue, nullptr, &swapChain), DXGI_ERROR_INVALID_CALL);
    EXPECT_EQ(swapChain, nullptr);

    ComPtr<IDXGISwapChain3> first{MakeSwapChain(good)};
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(refusal(queue, good), E_ACCESSDENIED) << "a second swap chain on the window";
    first.Reset();
    ComPtr<IDXGISwapChain3> again{MakeSwapChain(good)};
    ASSERT_NE(again, nullptr) << "the window is free once the first one is gone";
}

TEST_F(SwapChainTest, BuffersAreRenderTargetTexturesOfTheWindowSize) {
    HWND window = MakeWindow(96, 80);
    win32_standin::NativeWindow native{};
    ASSERT_TRUE(win32_standin::GetNativeWindow(window, &native));
    ComPtr<IDXGISwapChain3> swapChain{MakeSwapChain(Describe(window, 0, 0, 3))};
    ASSERT_NE(swapChain, nullptr);
    for (UINT i = 0; i < 3; ++i) {
        ComPtr<ID3D12Resource> buffer;
        ASSERT_EQ(swapChain->GetBuffer(i, IID_ID3D12Resource, buffer.PutVoid()), S_OK);
        D3D12_RESOURCE_DESC desc = buffer->GetDesc();
        EXPECT_EQ(desc.Dimension, D3D12_RESOURCE_DIMENSION_TEXTURE2D);
        EXPECT_EQ(desc.Width, native.clientWidth) << "a zero size takes the client area";
        EXPECT_EQ(desc.Height, native.clientHeight);
        EXPECT_EQ(desc.Format, DXGI_FORMAT_R8G8B8A8_UNORM);
        EXPECT_TRUE(desc.Flags & D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET);
    }
    ID3D12Resource* beyond = kJunk<ID3D12Resource>;
    EXPECT_EQ(swapChain->GetBuffer(3, IID_ID3D12Resource, reinterpret_cast<void**>(&beyond)),
              DXGI_ERROR_INVALID_CALL);
    EXPECT_EQ(beyond, nullptr);

    DXGI_SWAP_CHAIN_DESC desc{};
    ASSERT_EQ(swapChain->GetDesc(&desc), S_OK);
    EXPECT_EQ(desc.BufferDesc.Width, native.clientWidth);
    EXPECT_EQ(desc.BufferCount, 3u);
    EXPECT_EQ(desc.OutputWindow, window);
    EXPECT_EQ(desc.SwapEffect, DXGI_SWAP_EFFECT_FLIP_DISCARD);
    EXPECT_EQ(swapChain.Reset(), 0u);
}

TEST_F(SwapChainTest, EveryPresentMovesToTheNextBackBuffer) {
    ComPtr<IDXGISwapChain3> swapChain{MakeSwapChain(Describe(MakeWindow(64, 48), 64, 48, 2))};
    ASSERT_NE(swapChain, nullptr);
    uint64_t totalBefore = platform_testing::TotalPresents();
    std::vector<UINT> order{swapChain->GetCurrentBackBufferIndex()};
    for (UINT interval : {1u, 1u, 0u, 0u, 1u}) {
        ASSERT_EQ(swapChain->Present(interval, 0), S_OK);
        order.push_back(swapChain->GetCurrentBackBufferIndex());
    }
    EXPECT_EQ(order, (std::vector<UINT>{0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(platform_testing::Presents(swapChain), 5u);
    EXPECT_EQ(platform_testing::TotalPresents() - totalBefore, 5u);

    EXPECT_EQ(swapChain->Present(1, DXGI_PRESENT_TEST), S_OK);
    EXPECT_EQ(swapChain->GetCurrentBackBufferIndex(), 1u) << "a test present shows nothing";
    EXPECT_EQ(swapChain->Present(5, 0), DXGI_ERROR_INVALID_CALL);
    EXPECT_EQ(swapChain->Present(1, DXGI_PRESENT_ALLOW_TEARING), DXGI_ERROR_INVALID_CALL);
    EXPECT_EQ(swapChain->GetCurrentBackBufferIndex(), 1u);
    EXPECT_EQ(platform_testing::Presents(swapChain), 5u);
    WaitForQueue();
}

TEST_F(SwapChainTest, ThreeBuffersAreVisitedInOrder) {
    ComPtr<IDXGISwapChain3> swapChain{MakeSwapChain(Describe(MakeWindow(32, 32), 32, 32, 3))};
    ASSERT_NE(swapChain, nullptr);
    std::vector<UINT> order{swapChain->GetCurrentBackBufferIndex()};
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(swapChain->Present(0, 0), S_OK);
        order.push_back(swapChain->GetCurrentBackBufferIndex());
    }
    EXPECT_EQ(order, (std::vector<UINT>{0, 1, 2, 0, 1}));
    WaitForQueue();
}

TEST_F(SwapChainTest, ClearedBackBufferReadsBackAsCyan) {
    ComPtr<IDXGISwapChain3> swapChain{MakeSwapChain(Describe(MakeWindow(40, 30), 40, 30, 2))};
    ASSERT_NE(swapChain, nullptr);
    ComPtr<ID3D12Resource> buffer;
    ASSERT_EQ(swapChain->GetBuffer(swapChain->GetCurrentBackBufferIndex(), IID_ID3D12Resource,
                                   buffer.PutVoid()),
              S_OK);
    const float cyan[4] = {0.0f, 1.0f, 1.0f, 0.0f};
    Clear(buffer, cyan);
    ASSERT_EQ(swapChain->Present(1, 0), S_OK);
    std::vector<uint8_t> pixels = ReadBack(buffer);
    ASSERT_EQ(pixels.size(), 40u * 30u * 4u);
    for (size_t at : {size_t{0}, pixels.size() / 2, pixels.size() - 4}) {
        EXPECT_EQ(pixels[at], 0) << "presenting must not change the buffer";
        EXPECT_EQ(pixels[at + 1], 255);
        EXPECT_EQ(pixels[at + 2], 255);
        EXPECT_EQ(pixels[at + 3], 0);
    }
}

TEST_F(SwapChainTest, BuffersOutliveTheSwapChainWhileReferenced) {
    ComPtr<IDXGISwapChain3> swapChain{MakeSwapChain(Describe(MakeWindow(16, 16), 16, 16, 2))};
    ASSERT_NE(swapChain, nullptr);
    ComPtr<ID3D12Resource> buffer;
    ASSERT_EQ(swapChain->GetBuffer(1, IID_ID3D12Resource, buffer.PutVoid()), S_OK);
    ASSERT_EQ(swapChain->Present(1, 0), S_OK);
    EXPECT_EQ(swapChain.Reset(), 0u);
    EXPECT_EQ(buffer->GetDesc().Width, 16u);
    const float red[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    Clear(buffer, red);
    EXPECT_EQ(ReadBack(buffer)[0], 255);
    EXPECT_EQ(buffer.Reset(), 0u);
    // TearDown checks that the live-object count is back where it started.
}

} // namespace
