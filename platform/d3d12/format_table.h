// DXGI formats the stand-in understands, with their Vulkan equivalents.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <vulkan/vulkan.h>

#include <cstdint>

namespace d3d12_standin {

struct FormatInfo {
    DXGI_FORMAT dxgi;
    VkFormat vulkan;
    uint32_t bytesPerTexel;
    VkImageAspectFlags aspect;
};

// Null for DXGI_FORMAT_UNKNOWN and formats outside the table.
const FormatInfo* FindFormat(DXGI_FORMAT format);

inline bool IsDepthFormat(const FormatInfo& info) {
    return (info.aspect & VK_IMAGE_ASPECT_DEPTH_BIT) != 0;
}

} // namespace d3d12_standin
