// What one descriptor of a descriptor heap holds. A CPU descriptor handle is
// the address of one of these; a heap is a plain array of them.
#pragma once

#include "debug_resource.h"
#include "gpu_objects.h"

#include <spirv_resources.h>

#include <memory>
#include <vector>

namespace d3d12_standin {

enum class DescriptorKind : uint32_t {
    Empty,          // never written
    ConstantBuffer, // buffer range
    ShaderResource, // image or buffer view (or a null view when no resource was given)
    UnorderedAccess,
    RenderTarget,
    DepthStencil,
    Sampler,
};

struct DescriptorRecord {
    DescriptorKind kind = DescriptorKind::Empty;
    std::weak_ptr<GpuBuffer> buffer;
    uint64_t offset = 0;
    uint64_t size = 0;
    // How a shader-resource or unordered-access view is read: Plain for an
    // image, else a typed (texelFormat) or structured/raw buffer range.
    dxbc::ResourceShape shape = dxbc::ResourceShape::Plain;
    VkFormat texelFormat = VK_FORMAT_UNDEFINED;
    // A structured unordered-access view's hidden counter: the uint at
    // counterOffset in counterBuffer (none when the view has no counter).
    std::weak_ptr<GpuBuffer> counterBuffer;
    uint64_t counterOffset = 0;
    std::weak_ptr<GpuImage> image;
    ImageViewKey view{};
    D3D12_SAMPLER_DESC sampler{};
    // For the validation layer: the resource viewed and the view's format.
    std::weak_ptr<ResourceTrack> resource;
    DXGI_FORMAT format = DXGI_FORMAT_UNKNOWN;
};

struct DescriptorStorage {
    D3D12_DESCRIPTOR_HEAP_TYPE type;
    std::vector<DescriptorRecord> records;
    uint64_t gpuBase = 0;             // 0 for heaps that are not shader-visible
    const void* heapObject = nullptr; // the ID3D12DescriptorHeap, as messages name it
};

} // namespace d3d12_standin
