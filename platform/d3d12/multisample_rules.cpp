#include "multisample_rules.h"

namespace d3d12_standin {

VkSampleCountFlagBits SampleCountBit(UINT count) {
    switch (count) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 32:
        return VkSampleCountFlagBits(count); // Vulkan's bits are the counts themselves
    default:
        return VkSampleCountFlagBits(0);
    }
}

const char* MultisampleRefusal(const D3D12_RESOURCE_DESC& desc) {
    if (SampleCountBit(desc.SampleDesc.Count) == 0) {
        return "SampleDesc.Count must be 1, 2, 4, 8, 16 or 32";
    }
    if (desc.SampleDesc.Quality != 0) {
        return "SampleDesc.Quality must be below the format's NumQualityLevels, which is 1";
    }
    if (desc.SampleDesc.Count == 1) {
        return nullptr;
    }
    if (desc.Dimension != D3D12_RESOURCE_DIMENSION_TEXTURE2D || desc.MipLevels != 1) {
        return "a multisampled resource must be a 2-D texture with MipLevels 1";
    }
    constexpr D3D12_RESOURCE_FLAGS kTarget =
        D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET | D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL;
    if ((desc.Flags & kTarget) == 0) {
        return "a multisampled texture must allow render targets or depth stencils";
    }
    if ((desc.Flags & D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS) != 0) {
        return "a multisampled texture cannot allow unordered access";
    }
    return nullptr;
}

VkSampleCountFlags RenderableSampleCounts(const vk_core::VulkanContext& context, VkFormat format,
                                          bool depth) {
    VkImageFormatProperties properties{};
    VkImageUsageFlags usage =
        depth ? VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT : VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT;
    if (vkGetPhysicalDeviceImageFormatProperties(context.physicalDevice, format, VK_IMAGE_TYPE_2D,
                                                 VK_IMAGE_TILING_OPTIMAL, usage, 0,
                                                 &properties) != VK_SUCCESS) {
        return 0;
    }
    return properties.sampleCounts;
}

const char* PipelineSampleRefusal(const vk_core::VulkanContext& context,
                                  const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc) {
    VkSampleCountFlagBits samples = SampleCountBit(desc.SampleDesc.Count);
    if (samples == 0 || desc.SampleDesc.Quality != 0) {
        return "SampleDesc must be 1, 2, 4, 8, 16 or 32 samples at quality level 0";
    }
    const VkPhysicalDeviceLimits& limits = context.properties.limits;
    VkSampleCountFlags supported = limits.framebufferNoAttachmentsSampleCounts;
    if (desc.NumRenderTargets > 0) {
        supported = limits.framebufferColorSampleCounts;
    }
    if (desc.DSVFormat != DXGI_FORMAT_UNKNOWN) {
        supported &= limits.framebufferDepthSampleCounts;
    }
    return (supported & samples) != 0 ? nullptr
                                      : "the device cannot rasterise with this many samples";
}

} // namespace d3d12_standin
