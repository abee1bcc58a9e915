// A device with one direct queue, allocator, list and fence, plus the small
// steps the tests repeat: make resources, execute and wait, read back.
#pragma once

#include <gtest/gtest.h>

#include <gpu_test_support.h>

#include <windows.h>

#include <d3d12.h>

#include <cstdint>
#include <vector>

class GpuTest : public testing::Test, protected DirectCommandSet {
protected:
    void SetUp() override;
    void TearDown() override;

    ID3D12Resource* MakeBuffer(D3D12_HEAP_TYPE heap, UINT64 size, D3D12_RESOURCE_STATES state) {
        return ::MakeBuffer(device, heap, size, state);
    }
    ID3D12Resource* MakeTexture(UINT width, UINT height, DXGI_FORMAT format,
                                D3D12_RESOURCE_FLAGS flags, D3D12_RESOURCE_STATES state) {
        return ::MakeTexture(device, width, height, format, flags, state);
    }
    ID3D12DescriptorHeap*
    MakeDescriptorHeap(D3D12_DESCRIPTOR_HEAP_TYPE type, UINT count = 1,
                       D3D12_DESCRIPTOR_HEAP_FLAGS flags = D3D12_DESCRIPTOR_HEAP_FLAG_NONE) {
        return ::MakeDescriptorHeap(device, type, count, flags);
    }
    // Records a copy of subresource 0 into a new readback buffer, runs it and
    // returns the rows tightly packed (texture back in `stateBefore`).
    std::vector<uint8_t> ReadBack(ID3D12Resource* texture, D3D12_RESOURCE_STATES stateBefore) {
        return ReadBackTexture(device, texture, stateBefore);
    }

    ID3D12Device* device = nullptr;
    long liveBefore = 0;
};
