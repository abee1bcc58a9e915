// The subresources a texture view covers and the Vulkan view type it needs,
// read from the dimension-specific part of a view description.
#pragma once

#include "gpu_objects.h"

namespace d3d12_standin {

// Each fills `key`'s range and type from `desc`, or with a null `desc` from
// the texture itself as Direct3D 12's default view does. Each returns null
// when the description fits the texture, else why it does not.
const char* ShaderResourceViewRange(const D3D12_SHADER_RESOURCE_VIEW_DESC* desc,
                                    const GpuImage& image, ImageViewKey* key);
const char* RenderTargetViewRange(const D3D12_RENDER_TARGET_VIEW_DESC* desc, const GpuImage& image,
                                  ImageViewKey* key);
const char* DepthStencilViewRange(const D3D12_DEPTH_STENCIL_VIEW_DESC* desc, const GpuImage& image,
                                  ImageViewKey* key);

} // namespace d3d12_standin
