#include "device.h"

#include "helpers.h"

#include <cstdio>
#include <cstring>

namespace Dx12 {

ID3D12CommandQueue* CreateCommandQueue(ID3D12Device* device) {
    if (IsNullDevice(device, "Dx12::CreateCommandQueue")) {
        return nullptr;
    }
    D3D12_COMMAND_QUEUE_DESC desc = {};
    desc.Type = D3D12_COMMAND_LIST_TYPE_DIRECT;
    desc.Priority = D3D12_COMMAND_QUEUE_PRIORITY_NORMAL;
    desc.Flags = D3D12_COMMAND_QUEUE_FLAG_NONE;
    desc.NodeMask = 0;
    ID3D12CommandQueue* queue = nullptr;
    device->CreateCommandQueue(&desc, IID_ID3D12CommandQueue, reinterpret_cast<void**>(&queue));
    return queue;
}

IDXGISwapChain3* CreateSwapChain3(ID3D12Device* device, ID3D12CommandQueue* queue, HWND window,
                                  uint32_t width, uint32_t height, uint32_t bufferCount) {
    if (IsNullDevice(device, "Dx12::CreateSwapChain3")) {
        return nullptr;
    }
    IDXGIFactory4* factory = nullptr;
    CreateDXGIFactory1(IID_IDXGIFactory4, reinterpret_cast<void**>(&factory));
    if (factory == nullptr) {
        return nullptr;
    }

    DXGI_SWAP_CHAIN_DESC desc = {};
    desc.BufferDesc.Width = width;
    desc.BufferDesc.Height = height;
    desc.BufferDesc.RefreshRate.Numerator = 0;
    desc.BufferDesc.RefreshRate.Denominator = 0;
    desc.BufferDesc.Format = BACK_BUFFER_FORMAT;
    desc.BufferDesc.ScanlineOrdering = DXGI_MODE_SCANLINE_ORDER_UNSPECIFIED;
    desc.BufferDesc.Scaling = DXGI_MODE_SCALING_UNSPECIFIED;
    desc.SampleDesc.Count = 1;
    desc.SampleDesc.Quality = 0;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.BufferCount = bufferCount;
    desc.OutputWindow = window;
    desc.Windowed = TRUE;
    desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_DISCARD;
    desc.Flags = 0;

    IDXGISwapChain* swapChain = nullptr;
    factory->CreateSwapChain(queue, &desc, &swapChain);
    IDXGISwapChain3* swapChain3 = nullptr;
    if (swapChain != nullptr) {
        swapChain->QueryInterface(IID_IDXGISwapChain3, reinterpret_cast<void**>(&swapChain3));
    }
    // The window never switches to full screen on Alt+Enter.
    factory->MakeWindowAssociation(window, DXGI_MWA_NO_ALT_ENTER);
    ReleaseAndNull(swapChain);
    ReleaseAndNull(factory);
    return swapChain3;
}

Device::Device(HWND window, uint32_t width, uint32_t height, uint32_t backBufferCount)
    : device(nullptr), swapChain(nullptr), commandQueue{}, commandAllocator{}, commandList{},
      fenceValue{0, 0}, fence{}, fenceEvent{}, depthBuffer(nullptr), renderTargetHeap(nullptr),
      depthStencilHeap(nullptr) {
    std::memset(&renderTargetViewDesc, 0, sizeof(renderTargetViewDesc));
    std::memset(&depthStencilViewDesc, 0, sizeof(depthStencilViewDesc));

    HRESULT created = D3D12CreateDevice(nullptr, D3D_FEATURE_LEVEL_12_1, IID_ID3D12Device,
                                        reinterpret_cast<void**>(&device));
    // Without a device only the guarded creation functions run (they report
    // the missing device); every step that would address it is skipped.
    if (device == nullptr) {
        std::printf("ERROR : Dx12::Device::Device : D3D12CreateDevice failed hr=%08X\n",
                    static_cast<unsigned>(created));
    }

    for (int set = 0; set < 2; ++set) {
        commandQueue[set] = CreateCommandQueue(device);
        if (device != nullptr) {
            device->CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE_DIRECT,
                                           IID_ID3D12CommandAllocator,
                                           reinterpret_cast<void**>(&commandAllocator[set]));
            if (commandAllocator[set] != nullptr) {
                device->CreateCommandList(0, D3D12_COMMAND_LIST_TYPE_DIRECT, commandAllocator[set],
                                          nullptr, IID_ID3D12GraphicsCommandList,
                                          reinterpret_cast<void**>(&commandList[set]));
            }
            // Lists are created recording; both sets start idle with closed lists.
            if (commandList[set] != nullptr) {
                commandList[set]->Close();
            }
            device->CreateFence(0, D3D12_FENCE_FLAG_NONE, IID_ID3D12Fence,
                                reinterpret_cast<void**>(&fence[set]));
        }
        fenceEvent[set] = CreateEventExA(nullptr, nullptr, 0, EVENT_ALL_ACCESS);
    }

    swapChain = CreateSwapChain3(device, commandQueue[0], window, width, height, backBufferCount);

    renderTargetViewDesc = RenderTargetViewDesc(BACK_BUFFER_FORMAT);
    renderTargetHeap = CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV, backBufferCount,
                                            D3D12_DESCRIPTOR_HEAP_FLAG_NONE);

    for (uint32_t i = 0; i < backBufferCount; ++i) {
        ID3D12Resource* buffer = nullptr;
        if (swapChain != nullptr) {
            swapChain->GetBuffer(i, IID_ID3D12Resource, reinterpret_cast<void**>(&buffer));
        }
        backBuffers.push_back(buffer);
        if (device != nullptr && renderTargetHeap != nullptr) {
            const D3D12_CPU_DESCRIPTOR_HANDLE start =
                renderTargetHeap->GetCPUDescriptorHandleForHeapStart();
            const D3D12_CPU_DESCRIPTOR_HANDLE handle = OffsetDescriptor(
                start, i, device->GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE_RTV));
            device->CreateRenderTargetView(buffer, &renderTargetViewDesc, handle);
        }
    }

    depthStencilViewDesc = DepthStencilViewDesc();
    depthStencilHeap = CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_DSV, 1,
                                            D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
    const D3D12_CLEAR_VALUE depthClear = DepthClearValue();
    depthBuffer = CreateCommittedResource(device, width, height, DXGI_FORMAT_D32_FLOAT,
                                          D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
                                          D3D12_RESOURCE_STATE_DEPTH_WRITE, &depthClear);
    if (device != nullptr && depthStencilHeap != nullptr) {
        device->CreateDepthStencilView(depthBuffer, &depthStencilViewDesc,
                                       depthStencilHeap->GetCPUDescriptorHandleForHeapStart());
    }

    WaitForGpu(DRAW_COMMANDS);
    WaitForGpu(UPLOAD_COMMANDS);
}

void Device::WaitForGpu(uint32_t index) {
    if (index > 1) {
        return;
    }
    const uint64_t value = fenceValue[index];
    if (commandQueue[index] != nullptr && fence[index] != nullptr) {
        commandQueue[index]->Signal(fence[index], value);
    }
    fenceValue[index] = value + 1;
    if (fence[index] != nullptr && fence[index]->GetCompletedValue() < value) {
        // An event that was never armed would never be signalled: wait only on
        // one the fence accepted. Without one, a null event makes the call
        // itself block until the value is reached.
        if (fenceEvent[index] != nullptr &&
            SUCCEEDED(fence[index]->SetEventOnCompletion(value, fenceEvent[index]))) {
            WaitForSingleObject(fenceEvent[index], INFINITE);
        } else {
            fence[index]->SetEventOnCompletion(value, nullptr);
        }
    }
}

void Device::BeginCommands(CommandSet set) {
    commandAllocator[set]->Reset();
    commandList[set]->Reset(commandAllocator[set], nullptr);
}

void Device::SubmitAndWait(CommandSet set) {
    commandList[set]->Close();
    ID3D12CommandList* lists[] = {commandList[set]};
    commandQueue[set]->ExecuteCommandLists(1, lists);
    WaitForGpu(set);
}

void Device::Present() {
    if (swapChain != nullptr) {
        swapChain->Present(1, 0);
    }
    WaitForGpu(DRAW_COMMANDS);
}

Device::~Device() {
    for (ID3D12Resource*& buffer : backBuffers) {
        ReleaseAndNull(buffer);
    }
    ReleaseAndNull(renderTargetHeap);
    ReleaseAndNull(depthBuffer);
    ReleaseAndNull(depthStencilHeap);
    ReleaseAndNull(swapChain);
    for (int set = 0; set < 2; ++set) {
        if (fenceEvent[set] != nullptr) {
            CloseHandle(fenceEvent[set]);
            fenceEvent[set] = nullptr;
        }
        ReleaseAndNull(fence[set]);
        ReleaseAndNull(commandList[set]);
        ReleaseAndNull(commandAllocator[set]);
        ReleaseAndNull(commandQueue[set]);
    }
    ReleaseAndNull(device);
    backBuffers.clear();
    backBuffers.shrink_to_fit();
}

} // namespace Dx12
