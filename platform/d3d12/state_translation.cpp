#include "state_translation.h"

#include "enum_table.h"

#include <algorithm>
#include <array>
#include <bit>

namespace d3d12_standin {
namespace {

constexpr EnumPair<D3D12_TEXTURE_ADDRESS_MODE, VkSamplerAddressMode> kAddressModes[] = {
    {D3D12_TEXTURE_ADDRESS_MODE_MIRROR, VK_SAMPLER_ADDRESS_MODE_MIRRORED_REPEAT},
    {D3D12_TEXTURE_ADDRESS_MODE_CLAMP, VK_SAMPLER_ADDRESS_MODE_CLAMP_TO_EDGE},
    {D3D12_TEXTURE_ADDRESS_MODE_BORDER, VK_SAMPLER_ADDRESS_MODE_CLAMP_TO_BORDER},
    {D3D12_TEXTURE_ADDRESS_MODE_MIRROR_ONCE, VK_SAMPLER_ADDRESS_MODE_MIRROR_CLAMP_TO_EDGE},
};

VkSamplerAddressMode AddressMode(D3D12_TEXTURE_ADDRESS_MODE mode) {
    return Translate(kAddressModes, mode, VK_SAMPLER_ADDRESS_MODE_REPEAT);
}

// The minimum and maximum reductions; static, since a sampler's create info
// points at them.
constexpr VkSamplerReductionModeCreateInfo kMinimumReduction{
    VK_STRUCTURE_TYPE_SAMPLER_REDUCTION_MODE_CREATE_INFO, nullptr, VK_SAMPLER_REDUCTION_MODE_MIN};
constexpr VkSamplerReductionModeCreateInfo kMaximumReduction{
    VK_STRUCTURE_TYPE_SAMPLER_REDUCTION_MODE_CREATE_INFO, nullptr, VK_SAMPLER_REDUCTION_MODE_MAX};

// Filter bits: mip linear 0x1, mag linear 0x4, min linear 0x10, anisotropic
// 0x40, and the reduction in bits 7 and 8 (1 comparison, 2 minimum, 3
// maximum). Anisotropy is not enabled on the device, so anisotropic filters
// sample linearly.
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
    const unsigned reduction = (unsigned(filter) >> 7) & 0x3;
    info.compareEnable = reduction == 1 ? VK_TRUE : VK_FALSE;
    if (reduction >= 2) {
        info.pNext = reduction == 2 ? &kMinimumReduction : &kMaximumReduction;
    }
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

// Compute shaders count as non-pixel shaders, as in Direct3D 12.
constexpr VkPipelineStageFlags2 kNonPixelShaderStages =
    VK_PIPELINE_STAGE_2_PRE_RASTERIZATION_SHADERS_BIT | VK_PIPELINE_STAGE_2_COMPUTE_SHADER_BIT;
constexpr VkPipelineStageFlags2 kShaderStages =
    kNonPixelShaderStages | VK_PIPELINE_STAGE_2_FRAGMENT_SHADER_BIT;
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
    {D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE, kNonPixelShaderStages,
     VK_ACCESS_2_SHADER_SAMPLED_READ_BIT | VK_ACCESS_2_SHADER_STORAGE_READ_BIT},

    {D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE, VK_PIPELINE_STAGE_2_FRAGMENT_SHADER_BIT,
     VK_ACCESS_2_SHADER_SAMPLED_READ_BIT | VK_ACCESS_2_SHADER_STORAGE_READ_BIT},
    {D3D12_RESOURCE_STATE_INDIRECT_ARGUMENT, VK_PIPELINE_STAGE_2_DRAW_INDIRECT_BIT,
     VK_ACCESS_2_INDIRECT_COMMAND_READ_BIT},
    {D3D12_RESOURCE_STATE_COPY_DEST, VK_PIPELINE_STAGE_2_COPY_BIT, VK_ACCESS_2_TRANSFER_WRITE_BIT},
    {D3D12_RESOURCE_STATE_COPY_SOURCE, VK_PIPELINE_STAGE_2_COPY_BIT, VK_ACCESS_2_TRANSFER_READ_BIT},
    {D3D12_RESOURCE_STATE_RESOLVE_DEST, VK_PIPELINE_STAGE_2_RESOLVE_BIT,
     VK_ACCESS_2_TRANSFER_WRITE_BIT},
    {D3D12_RESOURCE_STATE_RESOLVE_SOURCE, VK_PIPELINE_STAGE_2_RESOLVE_BIT,
     VK_ACCESS_2_TRANSFER_READ_BIT},
    // The stream-output buffer and its filled size, which the next draw reads.
    {D3D12_RESOURCE_STATE_STREAM_OUT, VK_PIPELINE_STAGE_2_TRANSFORM_FEEDBACK_BIT_EXT,
     VK_ACCESS_2_TRANSFORM_FEEDBACK_WRITE_BIT_EXT |
         VK_ACCESS_2_TRANSFORM_FEEDBACK_COUNTER_READ_BIT_EXT |
         VK_ACCESS_2_TRANSFORM_FEEDBACK_COUNTER_WRITE_BIT_EXT},
};

// The rows by the position of their state's bit, and the bits that have one.
constexpr std::array<StateRow, 32> RowsByBit() {
    std::array<StateRow, 32> rows{};
    for (const StateRow& row : kStateRows) {
        rows[std::countr_zero(uint32_t(row.state))] = row;
    }
    return rows;
}
constexpr uint32_t RowBits() {
    uint32_t bits = 0;
    for (const StateRow& row : kStateRows) {
        bits |= uint32_t(row.state);
    }
    return bits;
}
constexpr bool EachRowIsOneBit() {
    for (const StateRow& row : kStateRows) {
        if (std::popcount(uint32_t(row.state)) != 1) {
            return false;
        }
    }
    return true;
}
static_assert(EachRowIsOneBit());
constexpr std::array<StateRow, 32> kRowsByBit = RowsByBit();
constexpr uint32_t kRowBits = RowBits();

constexpr D3D12_RESOURCE_STATES kShaderResource =
    D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE | D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE;

// A single layout where one fits every use of the state, else GENERAL.
VkImageLayout LayoutOfUses(D3D12_RESOURCE_STATES state) {
    constexpr EnumPair<D3D12_RESOURCE_STATES, VkImageLayout> kSingleUseLayouts[] = {
        {D3D12_RESOURCE_STATE_RENDER_TARGET, VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL},
        {D3D12_RESOURCE_STATE_DEPTH_WRITE, VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL},
        {D3D12_RESOURCE_STATE_COPY_DEST, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL},
        {D3D12_RESOURCE_STATE_RESOLVE_DEST, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL},
        {D3D12_RESOURCE_STATE_COPY_SOURCE, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL},
        {D3D12_RESOURCE_STATE_RESOLVE_SOURCE, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL},
    };
    VkImageLayout single = Translate(kSingleUseLayouts, state, VK_IMAGE_LAYOUT_MAX_ENUM);
    if (single != VK_IMAGE_LAYOUT_MAX_ENUM) {
        return single;
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
    // Only the state's own bits are visited: most states are one bit.
    for (uint32_t bits = uint32_t(state) & kRowBits; bits != 0; bits &= bits - 1) {
        const StateRow& row = kRowsByBit[std::countr_zero(bits)];
        use.stages |= row.stages;
        use.access |= row.access;
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
    constexpr EnumPair<D3D12_COMPARISON_FUNC, VkCompareOp> kCompareOps[] = {
        {D3D12_COMPARISON_FUNC_NEVER, VK_COMPARE_OP_NEVER},
        {D3D12_COMPARISON_FUNC_LESS, VK_COMPARE_OP_LESS},
        {D3D12_COMPARISON_FUNC_EQUAL, VK_COMPARE_OP_EQUAL},
        {D3D12_COMPARISON_FUNC_LESS_EQUAL, VK_COMPARE_OP_LESS_OR_EQUAL},
        {D3D12_COMPARISON_FUNC_GREATER, VK_COMPARE_OP_GREATER},
        {D3D12_COMPARISON_FUNC_NOT_EQUAL, VK_COMPARE_OP_NOT_EQUAL},
        {D3D12_COMPARISON_FUNC_GREATER_EQUAL, VK_COMPARE_OP_GREATER_OR_EQUAL},
    };
    return Translate(kCompareOps, func, VK_COMPARE_OP_ALWAYS);
}

VkSamplerCreateInfo SamplerInfo(const D3D12_SAMPLER_DESC& desc,
                                VkSamplerCustomBorderColorCreateInfoEXT* custom) {
    VkSamplerCreateInfo info =
        FilterInfo(desc.Filter, desc.AddressU, desc.AddressV, desc.AddressW, desc.MipLODBias,
                   desc.ComparisonFunc, desc.MinLOD, desc.MaxLOD);
    const FLOAT* colour = desc.BorderColor;
    const bool black = colour[0] == 0.0f && colour[1] == 0.0f && colour[2] == 0.0f;
    const bool white = colour[0] == 1.0f && colour[1] == 1.0f && colour[2] == 1.0f;
    if (black && colour[3] == 0.0f) {
        info.borderColor = VK_BORDER_COLOR_FLOAT_TRANSPARENT_BLACK;
    } else if ((black || white) && colour[3] == 1.0f) {
        info.borderColor =
            black ? VK_BORDER_COLOR_FLOAT_OPAQUE_BLACK : VK_BORDER_COLOR_FLOAT_OPAQUE_WHITE;
    } else if (custom != nullptr) {
        *custom = {VK_STRUCTURE_TYPE_SAMPLER_CUSTOM_BORDER_COLOR_CREATE_INFO_EXT,
                   info.pNext,
                   {},
                   VK_FORMAT_UNDEFINED};
        std::copy(colour, colour + 4, custom->customBorderColor.float32);
        info.borderColor = VK_BORDER_COLOR_FLOAT_CUSTOM_EXT;
        info.pNext = custom;
    } else { // the nearest fixed colour
        info.borderColor = colour[3] <= 0.5f  ? VK_BORDER_COLOR_FLOAT_TRANSPARENT_BLACK
                           : colour[0] > 0.5f ? VK_BORDER_COLOR_FLOAT_OPAQUE_WHITE
                                              : VK_BORDER_COLOR_FLOAT_OPAQUE_BLACK;
    }
    return info;
}

VkSamplerCreateInfo SamplerInfo(const D3D12_STATIC_SAMPLER_DESC& desc) {
    VkSamplerCreateInfo info =
        FilterInfo(desc.Filter, desc.AddressU, desc.AddressV, desc.AddressW, desc.MipLODBias,
                   desc.ComparisonFunc, desc.MinLOD, desc.MaxLOD);
    constexpr EnumPair<D3D12_STATIC_BORDER_COLOR, VkBorderColor> kBorderColors[] = {
        {D3D12_STATIC_BORDER_COLOR_OPAQUE_BLACK, VK_BORDER_COLOR_FLOAT_OPAQUE_BLACK},
        {D3D12_STATIC_BORDER_COLOR_OPAQUE_WHITE, VK_BORDER_COLOR_FLOAT_OPAQUE_WHITE},
    };
    info.borderColor =
        Translate(kBorderColors, desc.BorderColor, VK_BORDER_COLOR_FLOAT_TRANSPARENT_BLACK);
    return info;
}

uint32_t PatchControlPointsOf(D3D12_PRIMITIVE_TOPOLOGY topology) {
    return topology >= D3D_PRIMITIVE_TOPOLOGY_1_CONTROL_POINT_PATCHLIST &&
                   topology <= D3D_PRIMITIVE_TOPOLOGY_32_CONTROL_POINT_PATCHLIST
               ? uint32_t(topology - D3D_PRIMITIVE_TOPOLOGY_1_CONTROL_POINT_PATCHLIST) + 1
               : 0;
}

VkPrimitiveTopology Topology(D3D12_PRIMITIVE_TOPOLOGY topology) {
    constexpr EnumPair<D3D12_PRIMITIVE_TOPOLOGY, VkPrimitiveTopology> kTopologies[] = {
        {D3D_PRIMITIVE_TOPOLOGY_POINTLIST, VK_PRIMITIVE_TOPOLOGY_POINT_LIST},
        {D3D_PRIMITIVE_TOPOLOGY_LINELIST, VK_PRIMITIVE_TOPOLOGY_LINE_LIST},
        {D3D_PRIMITIVE_TOPOLOGY_LINESTRIP, VK_PRIMITIVE_TOPOLOGY_LINE_STRIP},
        {D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST, VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST},
        {D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP, VK_PRIMITIVE_TOPOLOGY_TRIANGLE_STRIP},
        {D3D_PRIMITIVE_TOPOLOGY_LINELIST_ADJ, VK_PRIMITIVE_TOPOLOGY_LINE_LIST_WITH_ADJACENCY},
        {D3D_PRIMITIVE_TOPOLOGY_LINESTRIP_ADJ, VK_PRIMITIVE_TOPOLOGY_LINE_STRIP_WITH_ADJACENCY},
        {D3D_PRIMITIVE_TOPOLOGY_TRIANGLELIST_ADJ,
         VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST_WITH_ADJACENCY},
        {D3D_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP_ADJ,
         VK_PRIMITIVE_TOPOLOGY_TRIANGLE_STRIP_WITH_ADJACENCY},
    };
    if (PatchControlPointsOf(topology) != 0) {
        return VK_PRIMITIVE_TOPOLOGY_PATCH_LIST; // the size is the pipeline's
    }
    return Translate(kTopologies, topology, VK_PRIMITIVE_TOPOLOGY_MAX_ENUM);
}

VkBlendFactor BlendFactor(D3D12_BLEND blend) {
    constexpr EnumPair<D3D12_BLEND, VkBlendFactor> kBlendFactors[] = {
        {D3D12_BLEND_ZERO, VK_BLEND_FACTOR_ZERO},
        {D3D12_BLEND_ONE, VK_BLEND_FACTOR_ONE},
        {D3D12_BLEND_SRC_COLOR, VK_BLEND_FACTOR_SRC_COLOR},
        {D3D12_BLEND_INV_SRC_COLOR, VK_BLEND_FACTOR_ONE_MINUS_SRC_COLOR},
        {D3D12_BLEND_SRC_ALPHA, VK_BLEND_FACTOR_SRC_ALPHA},
        {D3D12_BLEND_INV_SRC_ALPHA, VK_BLEND_FACTOR_ONE_MINUS_SRC_ALPHA},
        {D3D12_BLEND_DEST_ALPHA, VK_BLEND_FACTOR_DST_ALPHA},
        {D3D12_BLEND_INV_DEST_ALPHA, VK_BLEND_FACTOR_ONE_MINUS_DST_ALPHA},
        {D3D12_BLEND_DEST_COLOR, VK_BLEND_FACTOR_DST_COLOR},
        {D3D12_BLEND_INV_DEST_COLOR, VK_BLEND_FACTOR_ONE_MINUS_DST_COLOR},
        {D3D12_BLEND_SRC_ALPHA_SAT, VK_BLEND_FACTOR_SRC_ALPHA_SATURATE},
        {D3D12_BLEND_BLEND_FACTOR, VK_BLEND_FACTOR_CONSTANT_COLOR},
        {D3D12_BLEND_INV_BLEND_FACTOR, VK_BLEND_FACTOR_ONE_MINUS_CONSTANT_COLOR},
        {D3D12_BLEND_SRC1_COLOR, VK_BLEND_FACTOR_SRC1_COLOR},
        {D3D12_BLEND_INV_SRC1_COLOR, VK_BLEND_FACTOR_ONE_MINUS_SRC1_COLOR},
        {D3D12_BLEND_SRC1_ALPHA, VK_BLEND_FACTOR_SRC1_ALPHA},
        {D3D12_BLEND_INV_SRC1_ALPHA, VK_BLEND_FACTOR_ONE_MINUS_SRC1_ALPHA},
    };
    return Translate(kBlendFactors, blend, VK_BLEND_FACTOR_ONE);
}

VkBlendOp BlendOp(D3D12_BLEND_OP op) {
    constexpr EnumPair<D3D12_BLEND_OP, VkBlendOp> kBlendOps[] = {
        {D3D12_BLEND_OP_SUBTRACT, VK_BLEND_OP_SUBTRACT},
        {D3D12_BLEND_OP_REV_SUBTRACT, VK_BLEND_OP_REVERSE_SUBTRACT},
        {D3D12_BLEND_OP_MIN, VK_BLEND_OP_MIN},
        {D3D12_BLEND_OP_MAX, VK_BLEND_OP_MAX},
    };
    return Translate(kBlendOps, op, VK_BLEND_OP_ADD);
}

VkStencilOp StencilOp(D3D12_STENCIL_OP op) {
    constexpr EnumPair<D3D12_STENCIL_OP, VkStencilOp> kStencilOps[] = {
        {D3D12_STENCIL_OP_ZERO, VK_STENCIL_OP_ZERO},
        {D3D12_STENCIL_OP_REPLACE, VK_STENCIL_OP_REPLACE},
        {D3D12_STENCIL_OP_INCR_SAT, VK_STENCIL_OP_INCREMENT_AND_CLAMP},
        {D3D12_STENCIL_OP_DECR_SAT, VK_STENCIL_OP_DECREMENT_AND_CLAMP},
        {D3D12_STENCIL_OP_INVERT, VK_STENCIL_OP_INVERT},
        {D3D12_STENCIL_OP_INCR, VK_STENCIL_OP_INCREMENT_AND_WRAP},
        {D3D12_STENCIL_OP_DECR, VK_STENCIL_OP_DECREMENT_AND_WRAP},
    };
    return Translate(kStencilOps, op, VK_STENCIL_OP_KEEP);
}

VkPrimitiveTopology InitialTopology(D3D12_PRIMITIVE_TOPOLOGY_TYPE type) {
    constexpr EnumPair<D3D12_PRIMITIVE_TOPOLOGY_TYPE, VkPrimitiveTopology> kListTopologies[] = {
        {D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT, VK_PRIMITIVE_TOPOLOGY_POINT_LIST},
        {D3D12_PRIMITIVE_TOPOLOGY_TYPE_LINE, VK_PRIMITIVE_TOPOLOGY_LINE_LIST},
        {D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE, VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST},
        {D3D12_PRIMITIVE_TOPOLOGY_TYPE_PATCH, VK_PRIMITIVE_TOPOLOGY_PATCH_LIST},
    };
    return Translate(kListTopologies, type, VK_PRIMITIVE_TOPOLOGY_MAX_ENUM);
}

VkShaderStageFlags StagesFor(D3D12_SHADER_VISIBILITY visibility) {
    constexpr EnumPair<D3D12_SHADER_VISIBILITY, VkShaderStageFlags> kStages[] = {
        {D3D12_SHADER_VISIBILITY_VERTEX, VK_SHADER_STAGE_VERTEX_BIT},
        {D3D12_SHADER_VISIBILITY_PIXEL, VK_SHADER_STAGE_FRAGMENT_BIT},
        {D3D12_SHADER_VISIBILITY_GEOMETRY, VK_SHADER_STAGE_GEOMETRY_BIT},
        {D3D12_SHADER_VISIBILITY_HULL, VK_SHADER_STAGE_TESSELLATION_CONTROL_BIT},
        {D3D12_SHADER_VISIBILITY_DOMAIN, VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT},
    };
    // D3D12_SHADER_VISIBILITY_ALL is the only visibility compute shaders see.
    return Translate(
        kStages, visibility,
        VkShaderStageFlags(VK_SHADER_STAGE_ALL_GRAPHICS | VK_SHADER_STAGE_COMPUTE_BIT));
}

VkDescriptorType TypeForRange(D3D12_DESCRIPTOR_RANGE_TYPE type) {
    constexpr EnumPair<D3D12_DESCRIPTOR_RANGE_TYPE, VkDescriptorType> kDescriptorTypes[] = {
        {D3D12_DESCRIPTOR_RANGE_TYPE_CBV, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER},
        {D3D12_DESCRIPTOR_RANGE_TYPE_SRV, VK_DESCRIPTOR_TYPE_SAMPLED_IMAGE},
        {D3D12_DESCRIPTOR_RANGE_TYPE_UAV, VK_DESCRIPTOR_TYPE_STORAGE_IMAGE},
    };
    return Translate(kDescriptorTypes, type, VK_DESCRIPTOR_TYPE_SAMPLER);
}

VkDescriptorType TypeForRange(D3D12_DESCRIPTOR_RANGE_TYPE type, dxbc::ResourceShape shape) {
    const bool written = type == D3D12_DESCRIPTOR_RANGE_TYPE_UAV;
    if (type != D3D12_DESCRIPTOR_RANGE_TYPE_SRV && !written) {
        return TypeForRange(type);
    }
    switch (shape) {
    case dxbc::ResourceShape::TexelBuffer:
        return written ? VK_DESCRIPTOR_TYPE_STORAGE_TEXEL_BUFFER
                       : VK_DESCRIPTOR_TYPE_UNIFORM_TEXEL_BUFFER;
    case dxbc::ResourceShape::StorageBuffer:
    case dxbc::ResourceShape::Counter:
        return VK_DESCRIPTOR_TYPE_STORAGE_BUFFER;
    default:
        return TypeForRange(type);
    }
}

} // namespace d3d12_standin
