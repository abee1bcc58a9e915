// A device with one direct queue, allocator, list and fence, plus the small
// steps the tests repeat: make resources, execute and wait, read back.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <d3d12.h>

#include <cstdint>
#include <vector>

class GpuTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Closes the list, executes it, waits for the GPU, and resets the list.
    void ExecuteAndWait();
    void WaitForQueue();

    ID3D12Resource* MakeBuffer(D3D12_HEAP_TYPE heap, UINT64 size, D3D12_RESOURCE_STATES state);
    ID3D12Resource* MakeTexture(UINT width, UINT height, DXGI_FORMAT format,
                                D3D12_RESOURCE_FLAGS flags, D3D12_RESOURCE_STATES state);
    // Records a copy of subresource 0 into a new readback buffer, runs it and
    // returns the rows tightly packed (texture left in COPY_SOURCE if asked).
    std::vector<uint8_t> ReadBack(ID3D12Resource* texture, D3D12_RESOURCE_STATES stateBefore);

    ID3D12Device* device = nullptr;
    ID3D12CommandQueue* queue = nullptr;
    ID3D12CommandAllocator* allocator = nullptr;
    ID3D12GraphicsCommandList* list = nullptr;
    ID3D12Fence* fence = nullptr;
    HANDLE event = nullptr;
    UINT64 fenceValue = 0;
    long liveBefore = 0;
};

inline uint32_t PixelAt(const std::vector<uint8_t>& rgba, UINT width, UINT x, UINT y) {
    size_t at = (size_t(y) * width + x) * 4;
    return uint32_t(rgba[at]) | uint32_t(rgba[at + 1]) << 8 | uint32_t(rgba[at + 2]) << 16 |
           uint32_t(rgba[at + 3]) << 24;
}
