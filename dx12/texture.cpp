#include "texture.h"

#include "helpers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace Dx12 {

namespace {

const char* const kAsteriskLine = "*******************************************************\n";

// Descriptor i of a heap: its CPU start plus i increments.
D3D12_CPU_DESCRIPTOR_HANDLE DescriptorAt(ID3D12Device* device, ID3D12DescriptorHeap* heap,
                                         D3D12_DESCRIPTOR_HEAP_TYPE type, uint32_t index) {
    const D3D12_CPU_DESCRIPTOR_HANDLE start = heap->GetCPUDescriptorHandleForHeapStart();
    return OffsetDescriptor(start, index, device->GetDescriptorHandleIncrementSize(type));
}

} // namespace

Texture::Texture(ID3D12Device* device, uint32_t width, uint32_t height, bool asRenderTarget,
                 bool asDepthStencil) {
    DXGI_FORMAT format = DXGI_FORMAT_R8G8B8A8_UNORM;
    D3D12_RESOURCE_FLAGS flags = D3D12_RESOURCE_FLAG_NONE;
    D3D12_RESOURCE_STATES initialState = D3D12_RESOURCE_STATE_COMMON;
    if (asRenderTarget) {
        format = OFFSCREEN_FORMAT;
        flags = D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET;
        initialState = D3D12_RESOURCE_STATE_GENERIC_READ;
    }
    // Depth textures are made in the depth-write state they are cleared and
    // drawn in, and never leave it.
    if (asDepthStencil) {
        format = DXGI_FORMAT_D32_FLOAT;
        flags = D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL;
        initialState = D3D12_RESOURCE_STATE_DEPTH_WRITE;
    }

    std::printf("%s : INFO : %d %d\n", "Dx12::Texture::Texture", static_cast<int>(width),
                static_cast<int>(height));
    const D3D12_CLEAR_VALUE depthClear = DepthClearValue();
    resource = CreateCommittedResource(device, width, height, format, flags, initialState,
                                       asDepthStencil ? &depthClear : nullptr);
    if (resource == nullptr) {
        std::printf("ERROR : %s : Cant Create RES\n", "Dx12::Texture::Texture");
    }

    shaderResourceView.Format = format;
    shaderResourceView.ViewDimension = D3D12_SRV_DIMENSION_TEXTURE2D;
    shaderResourceView.Shader4ComponentMapping = D3D12_DEFAULT_SHADER_4_COMPONENT_MAPPING;
    shaderResourceView.Texture2D.MostDetailedMip = 0;
    shaderResourceView.Texture2D.MipLevels = 1;
    shaderResourceView.Texture2D.PlaneSlice = 0;
    shaderResourceView.Texture2D.ResourceMinLODClamp = 0.0f;

    // The view lives in a heap that is not shader visible: draws copy it into
    // the one shader-visible heap bound while they execute.
    heap = CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, 1,
                                D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
    // A null resource still gets its view: the descriptor becomes a null view.
    if (!asDepthStencil && heap != nullptr) {
        device->CreateShaderResourceView(resource, &shaderResourceView,
                                         heap->GetCPUDescriptorHandleForHeapStart());
    }
    std::printf("Texture Heap=%X\n",
                static_cast<unsigned>(reinterpret_cast<uintptr_t>(heap) & 0xFFFFFFFFu));
}

RenderTarget::RenderTarget(ID3D12Device* device, uint32_t width, uint32_t height, int numTargets)
    : renderTargetHeap(nullptr), depthStencilHeap(nullptr), colorTextures{}, depthTexture(nullptr),
      numTargets(std::clamp(numTargets, 0, MAX_TARGETS)) {
    std::memset(&renderTargetViewDesc, 0, sizeof(renderTargetViewDesc));
    std::memset(&depthStencilViewDesc, 0, sizeof(depthStencilViewDesc));
    renderTargetViewDesc = RenderTargetViewDesc(OFFSCREEN_FORMAT);

    renderTargetHeap = CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_RTV,
                                            static_cast<uint32_t>(this->numTargets),
                                            D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
    for (int i = 0; i < this->numTargets; ++i) {
        colorTextures[i] = new Texture(device, width, height, true, false);
        if (renderTargetHeap != nullptr) {
            device->CreateRenderTargetView(colorTextures[i]->resource, &renderTargetViewDesc,
                                           DescriptorAt(device, renderTargetHeap,
                                                        D3D12_DESCRIPTOR_HEAP_TYPE_RTV,
                                                        static_cast<uint32_t>(i)));
        }
    }

    depthStencilViewDesc = DepthStencilViewDesc();
    depthStencilHeap = CreateDescriptorHeap(device, D3D12_DESCRIPTOR_HEAP_TYPE_DSV, 1,
                                            D3D12_DESCRIPTOR_HEAP_FLAG_NONE);
    depthTexture = new Texture(device, width, height, true, true);
    if (depthStencilHeap != nullptr) {
        device->CreateDepthStencilView(depthTexture->resource, &depthStencilViewDesc,
                                       depthStencilHeap->GetCPUDescriptorHandleForHeapStart());
    }
}

RenderTarget::~RenderTarget() {
    for (Texture*& texture : colorTextures) {
        delete texture;
        texture = nullptr;
    }
    delete depthTexture;
    depthTexture = nullptr;
    ReleaseAndNull(depthStencilHeap);
    ReleaseAndNull(renderTargetHeap);
}

ID3D12Resource* UpdateTexture(ID3D12Device* device, ID3D12GraphicsCommandList* commandList,
                              ID3D12Resource* texture, const void* data, size_t dataSize) {
    if (device == nullptr || commandList == nullptr || texture == nullptr) {
        return nullptr;
    }
    const D3D12_RESOURCE_DESC desc = texture->GetDesc();
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint = {};
    UINT64 rowSize = 0;
    UINT64 totalSize = 0;
    device->GetCopyableFootprints(&desc, 0, 1, 0, &footprint, nullptr, &rowSize, &totalSize);
    const UINT64 alignedTotal = (totalSize + 255u) & ~UINT64(255u);

    if (rowSize != footprint.Footprint.RowPitch) {
        std::printf("%s", kAsteriskLine);
        std::printf("fail texture update!!!!\n");
        std::printf("%s", kAsteriskLine);
        return nullptr;
    }
    ID3D12Resource* upload =
        CreateCommittedResource(device, static_cast<uint32_t>(alignedTotal), 1, DXGI_FORMAT_UNKNOWN,
                                D3D12_RESOURCE_FLAG_NONE, D3D12_RESOURCE_STATE_GENERIC_READ);
    if (upload == nullptr) {
        std::printf("%s", kAsteriskLine);
        std::printf("fail texture update : uploadBuf cant alloc!\n");
        std::printf("%s", kAsteriskLine);
        return nullptr;
    }
    // The caller's pixels may be shorter than the aligned footprint: copy what
    // is there and zero the rest rather than read past it.
    CopyToResourceZeroFilled(upload, data, dataSize, static_cast<uint32_t>(alignedTotal));

    D3D12_TEXTURE_COPY_LOCATION destination = {};
    destination.pResource = texture;
    destination.Type = D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    destination.SubresourceIndex = 0;
    D3D12_TEXTURE_COPY_LOCATION source = {};
    source.pResource = upload;
    source.Type = D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT;
    source.PlacedFootprint = footprint;
    // No barrier before the copy: plain textures rest in the common state, which
    // the copy promotes to copy-destination implicitly.
    commandList->CopyTextureRegion(&destination, 0, 0, 0, &source, nullptr);

    const D3D12_RESOURCE_BARRIER barrier =
        TransitionBarrier(texture, D3D12_RESOURCE_STATE_COPY_DEST, D3D12_RESOURCE_STATE_COMMON);
    commandList->ResourceBarrier(1, &barrier);
    return upload;
}

} // namespace Dx12
