// What the unordered-access and compute tests share: buffers that views may
// write, and reading a buffer's bytes back.
#pragma once

#include "gpu_fixture.h"

#include <cstring>
#include <vector>

class BufferAccessTest : public GpuTest {
protected:
    // A default-heap buffer that unordered-access views may write, in COMMON.
    ID3D12Resource* MakeUnorderedAccessBuffer(UINT64 size) {
        const D3D12_HEAP_PROPERTIES heapProperties = HeapProperties(D3D12_HEAP_TYPE_DEFAULT);
        D3D12_RESOURCE_DESC desc = BufferDescription(size);
        desc.Flags = D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS;
        ID3D12Resource* buffer = nullptr;
        EXPECT_EQ(device->CreateCommittedResource(
                      &heapProperties, D3D12_HEAP_FLAG_NONE, &desc, D3D12_RESOURCE_STATE_COMMON,
                      nullptr, IID_ID3D12Resource, reinterpret_cast<void**>(&buffer)),
                  S_OK);
        return buffer;
    }

    // The first `size` bytes of `buffer` (in `state`, returned to it).
    std::vector<uint8_t> ReadBuffer(ID3D12Resource* buffer, UINT64 size,
                                    D3D12_RESOURCE_STATES state) {
        ComPtr<ID3D12Resource> readback{
            MakeBuffer(D3D12_HEAP_TYPE_READBACK, size, D3D12_RESOURCE_STATE_COPY_DEST)};
        D3D12_RESOURCE_BARRIER toCopy = Transition(buffer, state, D3D12_RESOURCE_STATE_COPY_SOURCE);
        D3D12_RESOURCE_BARRIER back = Transition(buffer, D3D12_RESOURCE_STATE_COPY_SOURCE, state);
        list->ResourceBarrier(1, &toCopy);
        list->CopyBufferRegion(readback, 0, buffer, 0, size);
        list->ResourceBarrier(1, &back);
        ExecuteAndWait();
        std::vector<uint8_t> bytes(size);
        void* data = nullptr;
        EXPECT_EQ(readback->Map(0, nullptr, &data), S_OK);
        if (data != nullptr) {
            std::memcpy(bytes.data(), data, size);
            readback->Unmap(0, nullptr);
        }
        return bytes;
    }
};

inline uint32_t WordAt(const std::vector<uint8_t>& bytes, size_t index) {
    uint32_t word = 0;
    std::memcpy(&word, bytes.data() + index * 4, 4);
    return word;
}

inline float FloatAt(const std::vector<uint8_t>& bytes, size_t index) {
    float value = 0;
    std::memcpy(&value, bytes.data() + index * 4, 4);
    return value;
}
