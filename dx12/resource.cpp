#include "resource.h"

#include "helpers.h"

#include <cstdio>
#include <cstring>

namespace Dx12 {

Resource::Resource()
    : resource(nullptr), heap(nullptr), rootSignature(nullptr), pipelineState(nullptr) {
    std::memset(&shaderResourceView, 0, sizeof(shaderResourceView));
}

Resource::~Resource() {
    ReleaseAndNull(heap);
    ReleaseAndNull(pipelineState);
    ReleaseAndNull(rootSignature);
    ReleaseAndNull(resource);
}

Vertex::Vertex(ID3D12Device* device, const void* data, uint32_t size, uint32_t stride) {
    resource = CreateCommittedResource(device, size, 1, DXGI_FORMAT_UNKNOWN,
                                       D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_GENERIC_READ);
    if (data != nullptr && resource != nullptr) {
        CopyToResource(resource, data, size);
    }
    vertexBufferView.BufferLocation = resource != nullptr ? resource->GetGPUVirtualAddress() : 0;
    vertexBufferView.SizeInBytes = size;
    vertexBufferView.StrideInBytes = stride;
    std::printf("%s : Create : size=%d, StrideInBytes=%d\n", "Dx12::Vertex::Vertex",
                static_cast<int>(size), static_cast<int>(stride));
}

Constant::Constant(ID3D12Device* device, uint32_t size) {
    const uint32_t alignedSize = (size + 255u) & ~255u;
    resource = CreateCommittedResource(device, alignedSize, 1, DXGI_FORMAT_UNKNOWN,
                                       D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_GENERIC_READ);
    // Not shader visible: draws copy the view into the shader-visible heap.
    heap = CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
    if (resource != nullptr) {
        constantBufferView.BufferLocation = resource->GetGPUVirtualAddress();
        constantBufferView.SizeInBytes = alignedSize;
        if (heap != nullptr) {
            device->CreateConstantBufferView(&constantBufferView,
                                             heap->GetCPUDescriptorHandleForHeapStart());
        }
    }
    std::printf("%s : Create : size=%d, SizeInBytes=%d\n", "Dx12::Constant::Constant",
                static_cast<int>(size), static_cast<int>(alignedSize));
}

} // namespace Dx12
