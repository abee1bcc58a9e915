// 2-D textures (plain, colour target, depth target), off-screen render-target
// sets, and uploading CPU pixels into a plain texture.
#pragma once

#include "resource.h"

#include <cstddef>
#include <cstdint>

namespace Dx12 {

class Texture : public Resource {
public:
    Texture(ID3D12Device* device, uint32_t width, uint32_t height, bool asRenderTarget,
            bool asDepthStencil);
};

// Up to eight colour textures and one depth texture of one size, with their views.
class RenderTarget : public Resource {
public:
    static constexpr int MAX_TARGETS = 8;

    // `numTargets` is clamped to 0..8.
    RenderTarget(ID3D12Device* device, uint32_t width, uint32_t height, int numTargets);
    ~RenderTarget() override;

    ID3D12DescriptorHeap* renderTargetHeap;
    ID3D12DescriptorHeap* depthStencilHeap;
    D3D12_RENDER_TARGET_VIEW_DESC renderTargetViewDesc;
    D3D12_DEPTH_STENCIL_VIEW_DESC depthStencilViewDesc;
    Texture* colorTextures[MAX_TARGETS];
    Texture* depthTexture;
    int32_t numTargets;
};

// Records the upload of `data` (tightly packed rows, top row first, `dataSize`
// bytes) into subresource 0 of `texture` on `commandList`, followed by a
// transition back to the common state. Returns the upload buffer, which the
// caller releases once the list has executed, or null when nothing was recorded.
// Reads at most `dataSize` bytes; the rest of the upload buffer is zeroed.
ID3D12Resource* UpdateTexture(ID3D12Device* device, ID3D12GraphicsCommandList* commandList,
                              ID3D12Resource* texture, const void* data, size_t dataSize);

} // namespace Dx12
