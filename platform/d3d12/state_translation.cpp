#include "state_translation.h"

namespace d3d12_standin {
namespace {

VkSamplerAddressMode AddressMode(D3D12_TEXTURE_ADDRESS_MODE mode) {
    switch (mode) {
    case D3D12_TEXTURE_ADDRESS_MODE_MIRROR:
        return VK_SAMPLER_ADDRESS_MODE_MIRRORED_REPEAT;
    case D3D12_TEXTURE_ADDRESS_MODE_CLAMP:
        return VK_SAMPLER_ADDRESS_MODE_CLAMP_TO_EDGE;
    case D3D12_TEXTURE_ADDRESS_MODE_BORDER:
        return VK_SAMPLER_ADDRESS_MODE_CLAMP_TO_BORDER;
    case D3D12_TEXTURE_ADDRESS_MODE_MIRROR_ONCE:
        return VK_SAMPLER_ADDRESS_MODE_MIRRORED_REPEAT;
    default:
        return VK_SAMPLER_ADDRESS_MODE_REPEAT;
    }
}

// Filter bits: mip linear 0x1, mag linear 0x4, min linear 0x10, anisotropic
// 0x40, comparison 0x80. Anisotropy is not enabled on the device, so
// anisotropic filters sample linearly.
VkSamplerCreateInfo FilterInfo(D3D12_FILTER filter, D3D12_TEXTURE_ADDRESS_MODE u,
                               D3D12_TEXTURE_ADDRESS_MODE v, D3D12_TEXTURE_ADDRESS_MODE w,
                               FLOAT mipBias, D3D12_COMPARISON_FUNC comparison, FLOAT minLod,
                               FLOAT maxLod) {
    VkSamplerCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_SAMPLER_CREATE_INFO;
    bool anisotropic = (filter & 0x40) != 0;
    info.minFilter = anisotropic || (filter & 0x10) != 0 ? VK_FILTER_LINEAR : VK_FILTER_NEAREST;
    info.magFilter = anisotropic || (filter & 0x4) != 0 ? VK_FILTER_LINEAR : VK_FILTER_NEAREST;
    info.mipmapMode = anisotropic || (filter & 0x1) != 0 ? VK_SAMPLER_MIPMAP_MODE_LINEAR
                                                         : VK_SAMPLER_MIPMAP_MODE_NEAREST;
    info.addressModeU = AddressMode(u);
    info.addressModeV = AddressMode(v);
    info.addressModeW = AddressMode(w);
    info.mipLodBias = mipBias;
    info.compareEnable = (filter & 0x80) != 0 ? VK_TRUE : VK_FALSE;
    info.compareOp = CompareOp(comparison);
    info.minLod = minLod;
    info.maxLod = maxLod;
    return info;
}

// One row per state bit; a combination of read states uses the union of its rows.
struct StateRow {
    D3D12_RESOURCE_STATES state;
    VkPipelineStageFlags2 stages;
    VkAccessFlags2 access;
};

constexpr VkPipelineStageFlags2 kShaderStages =
    VK_PIPELINE_STAGE_2_PRE_RASTERIZATION_SHADERS_BIT | VK_PIPELINE_STAGE_2_FRAGMENT_SHADER_BIT;
constexpr VkPipelineStageFlags2 kDepthStages =
    VK_PIPELINE_STAGE_2_EARLY_FRAGMENT_TESTS_BIT | VK_PIPELINE_STAGE_2_LATE_FRAGMENT_TESTS_BIT;

constexpr StateRow kStateRows[] = {
    {D3D12_RESOURCE_STATE_VERTEX_AND_CONSTANT_BUFFER,
     VK_PIPELINE_STAGE_2_VERTEX_ATTRIBUTE_INPUT_BIT | kShaderStages,
     VK_ACCESS_2_VERTEX_ATTRIBUTE_READ_BIT | VK_ACCESS_2_UNIFORM_READ_BIT},
    {D3D12_RESOURCE_STATE_INDEX_BUFFER, VK_PIPELINE_STAGE_2_INDEX_INPUT_BIT,
     VK_ACCESS_2_INDEX_READ_BIT},
    {D3D12_RESOURCE_STATE_RENDER_TARGET, VK_PIPELINE_STAGE_2_COLOR_ATTACHMENT_OUTPUT_BIT,
     VK_ACCESS_2_COLOR_ATTACHMENT_READ_BIT | VK_ACCESS_2_COLOR_ATTACHMENT_WRITE_BIT},
    {D3D12_RESOURCE_STATE_UNORDERED_ACCESS, kShaderStages,
     VK_ACCESS_2_SHADER_STORAGE_READ_BIT | VK_ACCESS_2_SHADER_STORAGE_WRITE_BIT},
    {D3D12_RESOURCE_STATE_DEPTH_WRITE, kDepthStages,
     VK_ACCESS_2_DEPTH_STENCIL_ATTACHMENT_READ_BIT |
         VK_ACCESS_2_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT},
    {D3D12_RESOURCE_STATE_DEPTH_READ, kDepthStages, VK_ACCESS_2_DEPTH_STENCIL_ATTACHMENT_READ_BIT},
    {D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE,
     VK_PIPELINE_STAGE_2_PRE_RASTERIZATION_SHADERS_BIT, VK_ACCESS_2_SHADER_SAMPLED_READ_BIT},
    {D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE, VK_PIPELINE_STAGE_2_FRAGMENT_SHADER_BIT,
     VK_ACCESS_2_SHADER_SAMPLED_READ_BIT},
    {D3D12_RESOURCE_STATE_INDIRECT_ARGUMENT, VK_PIPELINE_STAGE_2_DRAW_INDIRECT_BIT,
     VK_ACCESS_2_INDIRECT_COMMAND_READ_BIT},
    {D3D12_RESOURCE_STATE_COPY_DEST, VK_PIPELINE_STAGE_2_COPY_BIT, VK_ACCESS_2_TRANSFER_WRITE_BIT},
    {D3D12_RESOURCE_STATE_COPY_SOURCE, VK_PIPELINE_STAGE_2_COPY_BIT, VK_ACCESS_2_TRANSFER_READ_BIT},
    {D3D12_RESOURCE_STATE_RESOLVE_DEST, VK_PIPELINE_STAGE_2_RESOLVE_BIT,
     VK_ACCESS_2_TRANSFER_WRITE_BIT},
    {D3D12_RESOURCE_STATE_RESOLVE_SOURCE, VK_PIPELINE_STAGE_2_RESOLVE_BIT,
     VK_ACCESS_2_TRANSFER_READ_BIT},
};

constexpr D3D12_RESOURCE_STATES kShaderResource =
    D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE | D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE;

// A single layout where one fits every use of the state, else GENERAL.
VkImageLayout LayoutOfUses(D3D12_RESOURCE_STATES state) {
    switch (state) {
    case D3D12_RESOURCE_STATE_RENDER_TARGET:
        return VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL;
    case D3D12_RESOURCE_STATE_DEPTH_WRITE:
        return VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL;
    case D3D12_RESOURCE_STATE_COPY_DEST:
    case D3D12_RESOURCE_STATE_RESOLVE_DEST:
        return VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL;
    case D3D12_RESOURCE_STATE_COPY_SOURCE:
    case D3D12_RESOURCE_STATE_RESOLVE_SOURCE:
        return VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL;
    default:
        break;
    }
    if ((state & ~(kShaderResource | D3D12_RESOURCE_STATE_DEPTH_READ)) != 0 || state == 0) {
        return VK_IMAGE_LAYOUT_GENERAL; // COMMON/PRESENT, UNORDERED_ACCESS, mixed reads
    }
    return (state & D3D12_RESOURCE_STATE_DEPTH_READ) != 0
               ? VK_IMAGE_LAYOUT_DEPTH_STENCIL_READ_ONLY_OPTIMAL
               : VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
}

} // namespace

StateUse UseOfState(D3D12_RESOURCE_STATES state) {
    StateUse use;
    for (const StateRow& row : kStateRows) {
        if ((state & row.state) != 0) {
            use.stages |= row.stages;
            use.access |= row.access;
        }
    }
    use.layout = LayoutOfUses(state);
    return use;
}

bool StateWrites(D3D12_RESOURCE_STATES state) {
    constexpr D3D12_RESOURCE_STATES kWriteStates =
        D3D12_RESOURCE_STATE_RENDER_TARGET | D3D12_RESOURCE_STATE_UNORDERED_ACCESS |
        D3D12_RESOURCE_STATE_DEPTH_WRITE | D3D12_RESOURCE_STATE_STREAM_OUT |
        D3D12_RESOURCE_STATE_COPY_DEST | D3D12_RESOURCE_STATE_RESOLVE_DEST;
    return (state & kWriteStates) != 0;
}

VkCompareOp CompareOp(D3D12_COMPARISON_FUNC func) {
    switch (func) {
    case D3D12_COMPARISON_FUNC_NEVER:
        return VK_COMPARE_OP_NEVER;
    case D3D12_COMPARISON_FUNC_LESS:
        return VK_COMPARE_OP_LESS;
    case D3D12_COMPARISON_FUNC_EQUAL:
        return VK_COMPARE_OP_EQUAL;
    case D3D12_COMPARISON_FUNC_LESS_EQUAL:
        return VK_COMPARE_OP_LESS_OR_EQUAL;
    case D3D12_COMPARISON_FUNC_GREATER:
        return VK_COMPARE_OP_GREATER;
    case D3D12_COMPARISON_FUNC_NOT_EQUAL:
        return VK_COMPARE_OP_NOT_EQUAL;
    case D3D12_COMPARISON_FUNC_GREATER_EQUAL:
        return VK_COMPARE_OP_GREATER_OR_EQUAL;
    default:
        return VK_COMPARE_OP_ALWAYS;
    }
}

VkSamplerCreateInfo SamplerInfo(const D3D12_SAMPLER_DESC& desc) {
    VkSamplerCreateInfo info =
        FilterInfo(desc.Filter, desc.AddressU, desc.AddressV, desc.AddressW, desc.MipLODBias,
                   desc.ComparisonFunc, desc.MinLOD, desc.MaxLOD);
    bool opaque = desc.BorderColor[3] > 0.5f;
    bool white = desc.BorderColor[0] > 0.5f;
    info.borderColor = !opaque ? VK_BORDER_COLOR_FLOAT_TRANSPARENT_BLACK
                       : white ? VK_BORDER_COLOR_FLOAT_OPAQUE_WHITE
                               : VK_BORDER_COLOR_FLOAT_OPAQUE_BLACK;
    return info;
}

VkSamplerCreateInfo SamplerInfo(const D3D12_STATIC_SAMPLER_DESC& desc) {
    VkSamplerCreateInfo info =
        FilterInfo(desc.Filter, desc.AddressU, desc.AddressV, desc.AddressW, desc.MipLODBias,
                   desc.ComparisonFunc, desc.MinLOD, desc.MaxLOD);
    switch (desc.BorderColor) {
    case D3D12_STATIC_BORDER_COLOR_OPAQUE_BLACK:
        info.borderColor = VK_BORDER_COLOR_FLOAT_OPAQUE_BLACK;
        break;
    case D3D12_STATIC_BORDER_COLOR_OPAQUE_WHITE:
        info.borderColor = VK_BORDER_COLOR_FLOAT_OPAQUE_WHITE;
        break;
    default:
        info.borderColor = VK_BORDER_COLOR_FLOAT_TRANSPARENT_BLACK;
    }
    return info;
}

VkPrimitiveTopology Topology(D3D12_PRIMITIVE_TOPOLOGY topology) {
    switch (topology) {
    case D3D_PRIMITIVE_TOPOLOGY_POINTLIST:
        return VK_PRIMITIVE_TOPOLOGY_POINT_LIST;
    case D3D_PRIMITIVE_TOPOLOGY_LINELIST:
        return VK_PRIMITIVE_TOPOLOGY_LINE_LIST;
    case D3D_PRIMITIVE_TOPOLOGY_LINESTRIP:
        return VK_PRIMITIVE_TOPOLOGY_LINE_STRIP;
    case D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST:
        return VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    case D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP:
        return VK_PRIMITIVE_TOPOLOGY_TRIANGLE_STRIP;
    default:
        return VK_PRIMITIVE_TOPOLOGY_MAX_ENUM;
    }
}

VkBlendFactor BlendFactor(D3D12_BLEND blend) {
    switch (blend) {
    case D3D12_BLEND_ZERO:
        return VK_BLEND_FACTOR_ZERO;
    case D3D12_BLEND_ONE:
        return VK_BLEND_FACTOR_ONE;
    case D3D12_BLEND_SRC_COLOR:
        return VK_BLEND_FACTOR_SRC_COLOR;
    case D3D12_BLEND_INV_SRC_COLOR:
        return VK_BLEND_FACTOR_ONE_MINUS_SRC_COLOR;
    case D3D12_BLEND_SRC_ALPHA:
        return VK_BLEND_FACTOR_SRC_ALPHA;
    case D3D12_BLEND_INV_SRC_ALPHA:
        return VK_BLEND_FACTOR_ONE_MINUS_SRC_ALPHA;
    case D3D12_BLEND_DEST_ALPHA:
        return VK_BLEND_FACTOR_DST_ALPHA;
    case D3D12_BLEND_INV_DEST_ALPHA:
        return VK_BLEND_FACTOR_ONE_MINUS_DST_ALPHA;
    case D3D12_BLEND_DEST_COLOR:
        return VK_BLEND_FACTOR_DST_COLOR;
    case D3D12_BLEND_INV_DEST_COLOR:
        return VK_BLEND_FACTOR_ONE_MINUS_DST_COLOR;
    case D3D12_BLEND_SRC_ALPHA_SAT:
        return VK_BLEND_FACTOR_SRC_ALPHA_SATURATE;
    case D3D12_BLEND_BLEND_FACTOR:
        return VK_BLEND_FACTOR_CONSTANT_COLOR;
    case D3D12_BLEND_INV_BLEND_FACTOR:
        return VK_BLEND_FACTOR_ONE_MINUS_CONSTANT_COLOR;
    case D3D12_BLEND_SRC1_COLOR:
        return VK_BLEND_FACTOR_SRC1_COLOR;
    case D3D12_BLEND_INV_SRC1_COLOR:
        return VK_BLEND_FACTOR_ONE_MINUS_SRC1_COLOR;
    case D3D12_BLEND_SRC1_ALPHA:
        return VK_BLEND_FACTOR_SRC1_ALPHA;
    case D3D12_BLEND_INV_SRC1_ALPHA:
        return VK_BLEND_FACTOR_ONE_MINUS_SRC1_ALPHA;
    default:
        return VK_BLEND_FACTOR_ONE;
    }
}

VkBlendOp BlendOp(D3D12_BLEND_OP op) {
    switch (op) {
    case D3D12_BLEND_OP_SUBTRACT:
        return VK_BLEND_OP_SUBTRACT;
    case D3D12_BLEND_OP_REV_SUBTRACT:
        return VK_BLEND_OP_REVERSE_SUBTRACT;
    case D3D12_BLEND_OP_MIN:
        return VK_BLEND_OP_MIN;
    case D3D12_BLEND_OP_MAX:
        return VK_BLEND_OP_MAX;
    default:
        return VK_BLEND_OP_ADD;
    }
}

VkStencilOp StencilOp(D3D12_STENCIL_OP op) {
    switch (op) {
    case D3D12_STENCIL_OP_ZERO:
        return VK_STENCIL_OP_ZERO;
    case D3D12_STENCIL_OP_REPLACE:
        return VK_STENCIL_OP_REPLACE;
    case D3D12_STENCIL_OP_INCR_SAT:
        return VK_STENCIL_OP_INCREMENT_AND_CLAMP;
    case D3D12_STENCIL_OP_DECR_SAT:
        return VK_STENCIL_OP_DECREMENT_AND_CLAMP;
    case D3D12_STENCIL_OP_INVERT:
        return VK_STENCIL_OP_INVERT;
    case D3D12_STENCIL_OP_INCR:
        return VK_STENCIL_OP_INCREMENT_AND_WRAP;
    case D3D12_STENCIL_OP_DECR:
        return VK_STENCIL_OP_DECREMENT_AND_WRAP;
    default:
        return VK_STENCIL_OP_KEEP;
    }
}

VkPrimitiveTopology InitialTopology(D3D12_PRIMITIVE_TOPOLOGY_TYPE type) {
    switch (type) {
    case D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT:
        return VK_PRIMITIVE_TOPOLOGY_POINT_LIST;
    case D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE:
        return VK_PRIMITIVE_TOPOLOGY_LINE_LIST;
    case D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE:
        return VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    default:
        return VK_PRIMITIVE_TOPOLOGY_MAX_ENUM;
    }
}

VkShaderStageFlags StagesFor(D3D12_SHADER_VISIBILITY visibility) {
    switch (visibility) {
    case D3D12_SHADER_VISIBILITY_VERTEX:
        return VK_SHADER_STAGE_VERTEX_BIT;
    case D3D12_SHADER_VISIBILITY_PIXEL:
        return VK_SHADER_STAGE_FRAGMENT_BIT;
    case D3D12_SHADER_VISIBILITY_GEOMETRY:
        return VK_SHADER_STAGE_GEOMETRY_BIT;
    case D3D12_SHADER_VISIBILITY_HULL:
        return VK_SHADER_STAGE_TESSELLATION_CONTROL_BIT;
    case D3D12_SHADER_VISIBILITY_DOMAIN:
        return VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT;
    default:
        return VK_SHADER_STAGE_ALL_GRAPHICS;
    }
}

VkDescriptorType TypeForRange(D3D12_DESCRIPTOR_RANGE_TYPE type) {
    switch (type) {
    case D3D12_DESCRIPTOR_RANGE_TYPE_CBV:
        return VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER;
    case D3D12_DESCRIPTOR_RANGE_TYPE_SRV:
        return VK_DESCRIPTOR_TYPE_SAMPLED_IMAGE;
    case D3D12_DESCRIPTOR_RANGE_TYPE_UAV:
        return VK_DESCRIPTOR_TYPE_STORAGE_IMAGE;
    default:
        return VK_DESCRIPTOR_TYPE_SAMPLER;
    }
}

} // namespace d3d12_standin
