// The format a texture view reads its resource in: the description's format
// checked against the resource's (a typeless resource takes the members of its
// family, a typed one only its own format), and what it becomes in Vulkan.
#pragma once

#include "format_table.h"
#include "gpu_objects.h"

#include <debug_messages.h>

namespace d3d12_standin {

// What a view is made for; each needs its own use of the view's format.
enum class ViewUse : uint8_t { ShaderResource, RenderTarget, DepthStencil, UnorderedAccess };

// Fills the format, aspect and swizzle of `key` for a view in `requested`
// (UNKNOWN: the resource's format) of `image`. False, with the debug layer's
// message from `method`, where Windows refuses the view's format.
bool ResolveViewFormat(DXGI_FORMAT requested, const GpuImage& image, ViewUse use,
                       const char* method, ImageViewKey* key);

// The Vulkan image format and aspects a texture in `format` is made in, the
// depth member of its family where `depthTarget` asks for depth.
const FormatInfo& StorageFormat(const FormatInfo& format, bool depthTarget);

} // namespace d3d12_standin
