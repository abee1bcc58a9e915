// Direct3D 12's rules for multisampled resources and pipelines, and the
// sample counts the Vulkan device can honour.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <vulkan_context.h>

namespace d3d12_standin {

// The Vulkan bit for `count` samples; 0 when `count` is not 1, 2, 4, 8, 16 or 32.
VkSampleCountFlagBits SampleCountBit(UINT count);
// Null when a texture's description keeps the rules for its sample
// description, else why it does not: more than one sample only for 2-D
// textures of one mip level that are render targets or depth buffers and not
// unordered-access resources (the restrictions listed with
// D3D12_RESOURCE_FLAGS on learn.microsoft.com), and quality level 0, the only
// one the stand-in reports.
const char* MultisampleRefusal(const D3D12_RESOURCE_DESC& desc);
// The sample counts the device renders `format` with (into colour or depth
// attachments, as the format has it), as Vulkan sample-count bits.
VkSampleCountFlags RenderableSampleCounts(const vk_core::VulkanContext& context, VkFormat format,
                                          bool depth);

// Null when the device rasterises `desc`'s sample description into its
// targets' formats, else why not.
const char* PipelineSampleRefusal(const vk_core::VulkanContext& context,
                                  const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc);

} // namespace d3d12_standin
