// Direct3D 12 enumerations translated to Vulkan: resource states, comparison
// functions, samplers, topologies.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <vulkan/vulkan.h>

namespace d3d12_standin {

// The image layout that stands for a resource state.
VkImageLayout LayoutForState(D3D12_RESOURCE_STATES state);

VkCompareOp CompareOp(D3D12_COMPARISON_FUNC func);

// Sampler settings from a sampler descriptor or a static sampler.
VkSamplerCreateInfo SamplerInfo(const D3D12_SAMPLER_DESC& desc);
VkSamplerCreateInfo SamplerInfo(const D3D12_STATIC_SAMPLER_DESC& desc);

// VK_PRIMITIVE_TOPOLOGY_MAX_ENUM for topologies the stand-in does not draw.
VkPrimitiveTopology Topology(D3D12_PRIMITIVE_TOPOLOGY topology);

} // namespace d3d12_standin
