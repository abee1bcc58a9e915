#include "resource_state_rules.h"

namespace d3d12_standin {

bool IsReadOnlyState(D3D12_RESOURCE_STATES state) {
    return state != D3D12_RESOURCE_STATE_COMMON && (state & ~kReadOnlyStates) == 0;
}

bool IsValidStateCombination(D3D12_RESOURCE_STATES state) {
    D3D12_RESOURCE_STATES writes = D3D12_RESOURCE_STATES(state & ~kReadOnlyStates);
    if (writes == 0) {
        return true;
    }
    // One write state and nothing else.
    return writes == state && (writes & (writes - 1)) == 0;
}

const char* MissingFlagFor(const D3D12_RESOURCE_DESC& desc, D3D12_RESOURCE_STATES state) {
    struct Need {
        D3D12_RESOURCE_STATES states;
        D3D12_RESOURCE_FLAGS flag;
        const char* name;
    };
    constexpr Need kNeeds[] = {
        {D3D12_RESOURCE_STATE_RENDER_TARGET, D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
         "D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET"},
        {D3D12_RESOURCE_STATE_DEPTH_WRITE | D3D12_RESOURCE_STATE_DEPTH_READ,
         D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL, "D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL"},
        {D3D12_RESOURCE_STATE_UNORDERED_ACCESS, D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS,
         "D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS"},
    };
    if (desc.Dimension == D3D12_RESOURCE_DIMENSION_BUFFER) {
        return nullptr; // buffers take every state their heap allows
    }
    for (const Need& need : kNeeds) {
        if ((state & need.states) != 0 && (desc.Flags & need.flag) == 0) {
            return need.name;
        }
    }
    constexpr D3D12_RESOURCE_STATES kShaderReads =
        D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE | D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE;
    if ((state & kShaderReads) != 0 &&
        (desc.Flags & D3D12_RESOURCE_FLAG_DENY_SHADER_RESOURCE) != 0) {
        return "shader access (it has D3D12_RESOURCE_FLAG_DENY_SHADER_RESOURCE)";
    }
    return nullptr;
}

Promotion PromotionOf(const D3D12_RESOURCE_DESC& desc) {
    bool anyState = desc.Dimension == D3D12_RESOURCE_DIMENSION_BUFFER ||
                    (desc.Flags & D3D12_RESOURCE_FLAG_ALLOW_SIMULTANEOUS_ACCESS) != 0;
    return anyState ? Promotion::AnyState : Promotion::ShaderReadOrCopy;
}

bool CanPromoteFromCommon(Promotion promotion, D3D12_RESOURCE_STATES wanted) {
    constexpr D3D12_RESOURCE_STATES kTexturePromotions =
        D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE |
        D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE | D3D12_RESOURCE_STATE_COPY_SOURCE |
        D3D12_RESOURCE_STATE_COPY_DEST;
    return promotion == Promotion::AnyState || (wanted & ~kTexturePromotions) == 0;
}

bool DecaysAtListEnd(Promotion promotion, bool promotedToReadOnly) {
    return promotion == Promotion::AnyState || promotedToReadOnly;
}

} // namespace d3d12_standin
