// The common base of every GPU object and the two buffer kinds built on it.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <cstdint>

namespace Dx12 {

class Resource {
public:
    Resource();
    virtual ~Resource();
    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;

    ID3D12Resource* resource;
    ID3D12DescriptorHeap* heap;
    ID3D12RootSignature* rootSignature;
    ID3D12PipelineState* pipelineState;
    // Which view is in use depends on the kind; the others stay zero.
    union {
        D3D12_VERTEX_BUFFER_VIEW vertexBufferView;
        D3D12_CONSTANT_BUFFER_VIEW_DESC constantBufferView;
        D3D12_SHADER_RESOURCE_VIEW_DESC shaderResourceView;
    };
};

// A vertex buffer in the upload heap, filled once from `data` when given.
class Vertex : public Resource {
public:
    Vertex(ID3D12Device* device, const void* data, uint32_t size, uint32_t stride);
};

// A constant buffer in the upload heap, its size rounded up to 256 bytes, with
// its view in its own one-descriptor heap, which is not shader visible.
class Constant : public Resource {
public:
    Constant(ID3D12Device* device, uint32_t size);
};

} // namespace Dx12
