#include "helpers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace Dx12 {

bool IsNullDevice(const ID3D12Device* device, const char* function) {
    if (device != nullptr) {
        return false;
    }
    std::printf("ERROR NULL DEVICE %s\n", function);
    return true;
}

ID3D12Resource* CreateCommittedResource(ID3D12Device* device, uint32_t width, uint32_t height,
                                        DXGI_FORMAT format, D3D12_RESOURCE_FLAGS flags,
                                        D3D12_RESOURCE_STATES initialState,
                                        const D3D12_CLEAR_VALUE* clearValue) {
    if (device == nullptr) {
        return nullptr;
    }
    const bool isBuffer = height < 2;

    D3D12_HEAP_PROPERTIES heapProperties = {};
    heapProperties.Type = isBuffer ? D3D12_HEAP_TYPE_UPLOAD : D3D12_HEAP_TYPE_DEFAULT;
    heapProperties.CPUPageProperty = D3D12_CPU_PAGE_PROPERTY_UNKNOWN;
    heapProperties.MemoryPoolPreference = D3D12_MEMORY_POOL_UNKNOWN;
    heapProperties.CreationNodeMask = 1;
    heapProperties.VisibleNodeMask = 1;

    D3D12_RESOURCE_DESC desc = {};
    desc.Dimension =
        isBuffer ? D3D12_RESOURCE_DIMENSION_BUFFER : D3D12_RESOURCE_DIMENSION_TEXTURE2D;
    desc.Alignment = 0;
    desc.Width = width;
    desc.Height = height;
    desc.DepthOrArraySize = 1;
    desc.MipLevels = 1;
    desc.Format = format;
    desc.SampleDesc.Count = 1;
    desc.SampleDesc.Quality = 0;
    desc.Layout = isBuffer ? D3D12_TEXTURE_LAYOUT_ROW_MAJOR : D3D12_TEXTURE_LAYOUT_UNKNOWN;
    desc.Flags = flags;

    ID3D12Resource* resource = nullptr;
    device->CreateCommittedResource(&heapProperties, D3D12_HEAP_FLAG_NONE, &desc, initialState,
                                    isBuffer ? nullptr : clearValue, IID_ID3D12Resource,
                                    reinterpret_cast<void**>(&resource));
    return resource;
}

void CopyToResourceZeroFilled(ID3D12Resource* resource, const void* data, size_t dataSize,
                              uint32_t size) {
    if (resource == nullptr) {
        return;
    }
    void* mapped = nullptr;
    resource->Map(0, nullptr, &mapped);
    if (mapped == nullptr) {
        std::printf("Failed Map\n");
        return;
    }
    const size_t copied = data == nullptr ? 0 : std::min<size_t>(dataSize, size);
    if (copied > 0) {
        std::memcpy(mapped, data, copied);
    }
    if (copied < size) {
        std::memset(static_cast<uint8_t*>(mapped) + copied, 0, size - copied);
    }
    resource->Unmap(0, nullptr);
}

void CopyToResource(ID3D12Resource* resource, const void* data, uint32_t size) {
    CopyToResourceZeroFilled(resource, data, size, size);
}

ID3D12DescriptorHeap* CreateDescriptorHeap(ID3D12Device* device, D3D12_DESCRIPTOR_HEAP_TYPE type,
                                           uint32_t numDescriptors,
                                           D3D12_DESCRIPTOR_HEAP_FLAGS flags) {
    if (IsNullDevice(device, "Dx12::CreateDescriptorHeap")) {
        return nullptr;
    }
    D3D12_DESCRIPTOR_HEAP_DESC desc = {};
    desc.Type = type;
    desc.NumDescriptors = numDescriptors;
    desc.Flags = flags;
    desc.NodeMask = 0;
    ID3D12DescriptorHeap* heap = nullptr;
    device->CreateDescriptorHeap(&desc, IID_ID3D12DescriptorHeap, reinterpret_cast<void**>(&heap));
    return heap;
}

D3D12_CPU_DESCRIPTOR_HANDLE OffsetDescriptor(D3D12_CPU_DESCRIPTOR_HANDLE start, uint32_t index,
                                             uint32_t increment) {
    start.ptr += static_cast<SIZE_T>(index) * increment;
    return start;
}

D3D12_GPU_DESCRIPTOR_HANDLE OffsetDescriptor(D3D12_GPU_DESCRIPTOR_HANDLE start, uint32_t index,
                                             uint32_t increment) {
    start.ptr += static_cast<UINT64>(index) * increment;
    return start;
}

D3D12_RESOURCE_BARRIER TransitionBarrier(ID3D12Resource* resource, D3D12_RESOURCE_STATES before,
                                         D3D12_RESOURCE_STATES after) {
    D3D12_RESOURCE_BARRIER barrier = {};
    barrier.Type = D3D12_RESOURCE_BARRIER_TYPE_TRANSITION;
    barrier.Flags = D3D12_RESOURCE_BARRIER_FLAG_NONE;
    barrier.Transition.pResource = resource;
    barrier.Transition.Subresource = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;
    barrier.Transition.StateBefore = before;
    barrier.Transition.StateAfter = after;
    return barrier;
}

} // namespace Dx12
