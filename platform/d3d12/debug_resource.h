// What the validation layer knows of one resource: its description and the
// Direct3D 12 state of each subresource, which the translator reads too.
#pragma once

#include "resource_states.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace d3d12_standin {

struct ResourceTrack {
    const void* object = nullptr; // the ID3D12Resource, as messages name it
    std::string name;             // given with SetName; empty when unnamed
    D3D12_RESOURCE_DESC desc{};
    D3D12_HEAP_TYPE heapType = D3D12_HEAP_TYPE_DEFAULT;
    bool swapChainBuffer = false;
    bool hasClearValue = false;
    D3D12_CLEAR_VALUE clearValue{};
    uint32_t mipLevels = 1, arraySize = 1, planes = 1;

    // Read and written only under the device's submissions lock; the
    // resource's texture holds it too.
    std::shared_ptr<SubresourceStates> states;
    // The last submission that used the resource, and its queue.
    std::atomic<uint64_t> lastSerial{0};
    std::atomic<const void*> lastQueue{nullptr};

    bool IsBuffer() const { return desc.Dimension == D3D12_RESOURCE_DIMENSION_BUFFER; }
    // Upload and readback resources stay in the state they were made in.
    bool FixedState() const { return heapType != D3D12_HEAP_TYPE_DEFAULT; }
    uint32_t Subresource(uint32_t mip, uint32_t layer, uint32_t plane) const {
        return mip + layer * mipLevels + plane * mipLevels * arraySize;
    }
};

} // namespace d3d12_standin
