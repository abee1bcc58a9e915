// Direct3D 12 enumerations translated to Vulkan: resource states, comparison
// functions, samplers, topologies, blending, stencil operations, shader
// visibilities and descriptor range types.
#pragma once

#include <spirv_resources.h>

#include <windows.h>

#include <d3d12.h>
#include <vulkan/vulkan.h>

namespace d3d12_standin {

// What a resource in a state may be used for: the pipeline stages and
// accesses of every use the state allows, and the layout a texture has in it.
struct StateUse {
    VkPipelineStageFlags2 stages = VK_PIPELINE_STAGE_2_NONE;
    VkAccessFlags2 access = VK_ACCESS_2_NONE;
    VkImageLayout layout = VK_IMAGE_LAYOUT_GENERAL;
};

// Exact for every single state and for combinations of read states; COMMON
// (and PRESENT) is the state of no GPU use at all.
StateUse UseOfState(D3D12_RESOURCE_STATES state);
// Whether the state allows writes (a repeated use then needs ordering).
bool StateWrites(D3D12_RESOURCE_STATES state);

VkCompareOp CompareOp(D3D12_COMPARISON_FUNC func);

// Sampler settings from a sampler descriptor or a static sampler. A
// descriptor's border colour other than transparent black, opaque black or
// opaque white is written into `custom` and chained where `custom` is given
// (the device has custom border colours), else the nearest of those three.
VkSamplerCreateInfo SamplerInfo(const D3D12_SAMPLER_DESC& desc,
                                VkSamplerCustomBorderColorCreateInfoEXT* custom);
VkSamplerCreateInfo SamplerInfo(const D3D12_STATIC_SAMPLER_DESC& desc);

// VK_PRIMITIVE_TOPOLOGY_MAX_ENUM for topologies the stand-in does not draw.
VkPrimitiveTopology Topology(D3D12_PRIMITIVE_TOPOLOGY topology);
// The control points of a patch list topology; 0 for any other topology.
uint32_t PatchControlPointsOf(D3D12_PRIMITIVE_TOPOLOGY topology);
// The list topology a pipeline starts with for its topology type;
// VK_PRIMITIVE_TOPOLOGY_MAX_ENUM for UNDEFINED.
VkPrimitiveTopology InitialTopology(D3D12_PRIMITIVE_TOPOLOGY_TYPE type);

VkBlendFactor BlendFactor(D3D12_BLEND blend);
VkBlendOp BlendOp(D3D12_BLEND_OP op);
VkStencilOp StencilOp(D3D12_STENCIL_OP op);

VkShaderStageFlags StagesFor(D3D12_SHADER_VISIBILITY visibility);
VkDescriptorType TypeForRange(D3D12_DESCRIPTOR_RANGE_TYPE type);
// The descriptor type a range's register is read through when the shader
// declares it as `shape` (a Buffer<T>, a StructuredBuffer<T>, ...).
VkDescriptorType TypeForRange(D3D12_DESCRIPTOR_RANGE_TYPE type, dxbc::ResourceShape shape);

} // namespace d3d12_standin
