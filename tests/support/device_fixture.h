// The fixture of every test that works on a Direct3D 12 device of the
// stand-in: a device with one direct command set, and the checks every such
// test ends with (the device's last reference goes with the fixture and no
// stand-in object outlives it). Refusals a test asked for end with it.
#pragma once

#include "com_ptr.h"
#include "gpu_test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <d3d12.h>

#include <cstdint>
#include <vector>

class DeviceFixture : public testing::Test, protected DirectCommandSet {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs once the device exists and before the command set is made: a
    // fixture that wants its queue made another way sets `queue` here.
    virtual void BeforeCommandSet() {}

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
    // The same with the device named, as the free functions of
    // gpu_test_support.h take it (the members above would hide them).
    static ID3D12Resource* MakeBuffer(ID3D12Device* on, D3D12_HEAP_TYPE heap, UINT64 size,
                                      D3D12_RESOURCE_STATES state) {
        return ::MakeBuffer(on, heap, size, state);
    }
    static ID3D12Resource* MakeTexture(ID3D12Device* on, UINT width, UINT height,
                                       DXGI_FORMAT format, D3D12_RESOURCE_FLAGS flags,
                                       D3D12_RESOURCE_STATES state) {
        return ::MakeTexture(on, width, height, format, flags, state);
    }
    static ID3D12DescriptorHeap*
    MakeDescriptorHeap(ID3D12Device* on, D3D12_DESCRIPTOR_HEAP_TYPE type, UINT count = 1,
                       D3D12_DESCRIPTOR_HEAP_FLAGS flags = D3D12_DESCRIPTOR_HEAP_FLAG_NONE) {
        return ::MakeDescriptorHeap(on, type, count, flags);
    }
    // A `size` x `size` R8G8B8A8_UNORM render target in RENDER_TARGET, and a
    // new RTV heap with its view at the start.
    void MakeRenderTarget(UINT size, ComPtr<ID3D12Resource>* target,
                          ComPtr<ID3D12DescriptorHeap>* rtvHeap);
    // Sets on the recording list what a draw needs besides its targets: the
    // viewport and scissor of a `size` x `size` target, the root signature and
    // pipeline, `table`'s start as root parameter 0, triangle lists, and
    // `vertices` in slot 0.
    void SetTableDrawState(ID3D12RootSignature* rootSignature, ID3D12PipelineState* pipeline,
                           ID3D12DescriptorHeap* table, const D3D12_VERTEX_BUFFER_VIEW& vertices,
                           UINT size);
    // Records, on the recording list, a copy of subresource `subresource` of
    // `texture` (by default subresource 0, every subresource moving), runs it
    // and returns the rows tightly packed; see RecordReadBack.
    std::vector<uint8_t> ReadBack(ID3D12Resource* texture, D3D12_RESOURCE_STATES state,
                                  UINT subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES) {
        return ReadBackTexture(device, texture, state, subresource);
    }

    ID3D12Device* device = nullptr;
    long liveBefore = 0;
};
