#include "swap_chain_fixture.h"

void SwapChainTest::SetUp() {
    ASSERT_NO_FATAL_FAILURE(DeviceFixture::SetUp());
    rtvHeap.Attach(MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
    ASSERT_NE(rtvHeap, nullptr);
    ASSERT_EQ(CreateDXGIFactory1(IID_IDXGIFactory4, factory.PutVoid()), S_OK);
}

void SwapChainTest::TearDown() {
    factory.Reset();
    rtvHeap.Reset();
    DeviceFixture::TearDown();
}

HWND SwapChainTest::MakeWindow(int width, int height, int x, int y) {
    HWND window = MakeTestWindow("DXGI test", width, height, x, y);
    EXPECT_NE(window, HWND{});
    ShowWindow(window, SW_SHOW);
    return window;
}

DXGI_SWAP_CHAIN_DESC SwapChainTest::Describe(HWND window, UINT width, UINT height, UINT buffers) {
    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferDesc.Width = width;
    desc.BufferDesc.Height = height;
    desc.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.SampleDesc.Count = 1;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.BufferCount = buffers;
    desc.OutputWindow = window;
    desc.Windowed = TRUE;
    desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_DISCARD;
    return desc;
}

IDXGISwapChain3* SwapChainTest::MakeSwapChain(const DXGI_SWAP_CHAIN_DESC& desc) {
    DXGI_SWAP_CHAIN_DESC copy = desc;
    IDXGISwapChain* swapChain = nullptr;
    EXPECT_EQ(factory->CreateSwapChain(queue, &copy, &swapChain), S_OK);
    if (swapChain == nullptr) {
        return nullptr;
    }
    IDXGISwapChain3* swapChain3 = nullptr;
    EXPECT_EQ(swapChain->QueryInterface(IID_IDXGISwapChain3, reinterpret_cast<void**>(&swapChain3)),
              S_OK);
    swapChain->Release();
    return swapChain3;
}

void SwapChainTest::Clear(ID3D12Resource* buffer, const float color[4]) {
    D3D12_CPU_DESCRIPTOR_HANDLE rtv = rtvHeap->GetCPUDescriptorHandleForHeapStart();
    device->CreateRenderTargetView(buffer, nullptr, rtv);
    D3D12_RESOURCE_BARRIER toTarget =
        Transition(buffer, D3D12_RESOURCE_STATE_PRESENT, D3D12_RESOURCE_STATE_RENDER_TARGET);
    list->ResourceBarrier(1, &toTarget);
    list->ClearRenderTargetView(rtv, color, 0, nullptr);
    D3D12_RESOURCE_BARRIER toPresent =
        Transition(buffer, D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_STATE_PRESENT);
    list->ResourceBarrier(1, &toPresent);
    ExecuteAndWait();
}
