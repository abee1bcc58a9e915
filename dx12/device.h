// The device with its two command sets (0 draws and presents, 1 uploads), the
// flip-model swap chain with a view per back buffer, and the depth buffer, which
// is made in, and stays in, the depth-write state.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <dxgi1_4.h>

#include <cstdint>
#include <vector>

namespace Dx12 {

// The two command sets, named by what they record; each indexes a queue, an
// allocator, a list, a fence and its event.
enum CommandSet : uint32_t {
    DRAW_COMMANDS = 0,   // clears and draws; the swap chain presents through its queue
    UPLOAD_COMMANDS = 1, // texture uploads
};

class Device {
public:
    Device(HWND window, uint32_t width, uint32_t height, uint32_t backBufferCount);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Returns when the GPU has finished everything executed on set `index`.
    void WaitForGpu(uint32_t index);
    // Resets the allocator and the list of `set` for recording; the set must
    // have both.
    void BeginCommands(CommandSet set);
    // Closes the list of `set`, executes it on the set's queue and returns when
    // the GPU has finished it; the set must have its list and queue.
    void SubmitAndWait(CommandSet set);
    // Shows the back buffer just drawn and returns when command set 0 is idle.
    void Present();

    ID3D12Device* device;
    IDXGISwapChain3* swapChain;
    ID3D12CommandQueue* commandQueue[2];
    ID3D12CommandAllocator* commandAllocator[2];
    ID3D12GraphicsCommandList* commandList[2];
    uint64_t fenceValue[2];
    ID3D12Fence* fence[2];
    HANDLE fenceEvent[2];
    std::vector<ID3D12Resource*> backBuffers;
    ID3D12Resource* depthBuffer;
    ID3D12DescriptorHeap* renderTargetHeap;
    ID3D12DescriptorHeap* depthStencilHeap;
    D3D12_RENDER_TARGET_VIEW_DESC renderTargetViewDesc;
    D3D12_DEPTH_STENCIL_VIEW_DESC depthStencilViewDesc;
};

// A direct queue of normal priority; null (with a line) for a null device.
ID3D12CommandQueue* CreateCommandQueue(ID3D12Device* device);

// A flip-discard swap chain on `window` presenting through `queue`; null (with a
// line) for a null device.
IDXGISwapChain3* CreateSwapChain3(ID3D12Device* device, ID3D12CommandQueue* queue, HWND window,
                                  uint32_t width, uint32_t height, uint32_t bufferCount);

} // namespace Dx12
