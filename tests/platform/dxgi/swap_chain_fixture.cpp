#include "swap_chain_fixture.h"

#include <platform_testing.h>

#include <cstring>

namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

D3D12_RESOURCE_BARRIER Transition(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                                  D3D12_RESOURCE_STATES after) {
    D3D12_RESOURCE_BARRIER barrier{};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_TRANSITION;
    barrier.Transition.pResource = resource;
    barrier.Transition.Subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;
    barrier.Transition.StateBefore = before;
    barrier.Transition.StateAfter = after;
    return barrier;
}

} // namespace

void SwapChainTest::SetUp() {
    liveBefore = platform_testing::LiveObjects();
    ASSERT_EQ(D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                reinterpret_cast<void**>(&device)),
              S_OK);
    D3D12_COMMAND_QUEUE_DESC queueDesc{};
    queueDesc.Type = D3D12_COMMAND_LIST_TYPE_DIRECT;
    ASSERT_EQ(device->CreateCommandQueue(&queueDesc, IID_ID3D12CommandQueue,
                                         reinterpret_cast<void**>(&queue)),
              S_OK);
    ASSERT_EQ(device->CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE_DIRECT,
                                             IID_ID3D12CommandAllocator,
                                             reinterpret_cast<void**>(&allocator)),
              S_OK);
    ASSERT_EQ(device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, allocator, nullptr,
                                        IID_ID3D12GraphicsCommandList,
                                        reinterpret_cast<void**>(&list)),
              S_OK);
    D3D12_DESCRIPTOR_HEAP_DESC heapDesc{};
    heapDesc.Type = D3D12_DESCRIPTOR_HEAP_TYPE_RTV;
    heapDesc.NumDescriptors = 1;
    ASSERT_EQ(device->CreateDescriptorHeap(&heapDesc, IID_ID3D12DescriptorHeap,
                                           reinterpret_cast<void**>(&rtvHeap)),
              S_OK);
    ASSERT_EQ(device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                                  reinterpret_cast<void**>(&fence)),
              S_OK);
    event = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    ASSERT_NE(event, nullptr);
    ASSERT_EQ(CreateDXGIFactory1(IID_IDXGIFactory4, reinterpret_cast<void**>(&factory)), S_OK);
}

void SwapChainTest::TearDown() {
    if (event != nullptr) {
        CloseHandle(event);
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{factory, fence, rtvHeap, list,
                                                             allocator, queue, device}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    EXPECT_EQ(platform_testing::LiveObjects(), liveBefore) << "stand-in objects leaked";
}

HWND SwapChainTest::MakeWindow(int width, int height, int x, int y) {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "DxgiTestWindow";
        return RegisterClassExA(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExA(0, "DxgiTestWindow", "DXGI test", WS_OVERLAPPEDWINDOW, x, y,
                                  frame.right - frame.left, frame.bottom - frame.top, HWND{},
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
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

void SwapChainTest::WaitForQueue() {
    ++fenceValue;
    ASSERT_EQ(queue->Signal(fence, fenceValue), S_OK);
    if (fence->GetCompletedValue() < fenceValue) {
        ASSERT_EQ(fence->SetEventOnCompletion(fenceValue, event), S_OK);
        ASSERT_EQ(WaitForSingleObject(event, 10000), WAIT_OBJECT_0);
    }
}

void SwapChainTest::ExecuteAndWait() {
    ASSERT_EQ(list->Close(), S_OK);
    ID3D12CommandList* lists[] = {list};
    queue->ExecuteCommandLists(1, lists);
    WaitForQueue();
    ASSERT_EQ(allocator->Reset(), S_OK);
    ASSERT_EQ(list->Reset(allocator, nullptr), S_OK);
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

std::vector<uint8_t> SwapChainTest::ReadBack(ID3D12Resource* texture) {
    D3D12_RESOURCE_DESC textureDesc = texture->GetDesc();
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint{};
    UINT64 total = 0;
    device->GetCopyableFootprints(&textureDesc, 0, 1, 0, &footprint, nullptr, nullptr, &total);

    D3D12_HEAP_PROPERTIES heap{};
    heap.Type = D3D12_HEAP_TYPE_READBACK;
    D3D12_RESOURCE_DESC bufferDesc{};
    bufferDesc.Dimension = D3D12_RESOURCE_DIMENSION_BUFFER;
    bufferDesc.Width = total;
    bufferDesc.Height = 1;
    bufferDesc.DepthOrArraySize = 1;
    bufferDesc.MipLevels = 1;
    bufferDesc.SampleDesc.Count = 1;
    bufferDesc.Layout = D3D12_TEXTURE_LAYOUT_ROW_MAJOR;
    ID3D12Resource* readback = nullptr;
    EXPECT_EQ(device->CreateCommittedResource(
                  &heap, D3D12_HEAP_FLAG_NONE, &bufferDesc, D3D12_RESOURCE_STATE_COPY_DEST, nullptr,
                  IID_ID3D12Resource, reinterpret_cast<void**>(&readback)),
              S_OK);
    if (readback == nullptr) {
        return {};
    }
    D3D12_RESOURCE_BARRIER toSource =
        Transition(texture, D3D12_RESOURCE_STATE_PRESENT, D3D12_RESOURCE_STATE_COPY_SOURCE);
    list->ResourceBarrier(1, &toSource);
    D3D12_TEXTURE_COPY_LOCATION to{};
    to.pResource = readback;
    to.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    to.PlacedFootprint = footprint;
    D3D12_TEXTURE_COPY_LOCATION from{};
    from.pResource = texture;
    from.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    from.SubresourceIndex = 0;
    list->CopyTextureRegion(&to, 0, 0, 0, &from, nullptr);
    D3D12_RESOURCE_BARRIER toPresent =
        Transition(texture, D3D12_RESOURCE_STATE_COPY_SOURCE, D3D12_RESOURCE_STATE_PRESENT);
    list->ResourceBarrier(1, &toPresent);
    ExecuteAndWait();

    std::vector<uint8_t> pixels(size_t(textureDesc.Width) * textureDesc.Height * 4);
    void* mapped = nullptr;
    D3D12_RANGE range{0, static_cast<SIZE_T>(total)};
    EXPECT_EQ(readback->Map(0, &range, &mapped), S_OK);
    if (mapped != nullptr) {
        for (UINT row = 0; row < textureDesc.Height; ++row) {
            std::memcpy(pixels.data() + size_t(row) * textureDesc.Width * 4,
                        static_cast<uint8_t*>(mapped) + footprint.Offset +
                            size_t(row) * footprint.Footprint.RowPitch,
                        size_t(textureDesc.Width) * 4);
        }
        readback->Unmap(0, nullptr);
    }
    readback->Release();
    return pixels;
}
