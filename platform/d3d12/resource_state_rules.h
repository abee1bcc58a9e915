// Direct3D 12's rules for resource states, said once for the translator and
// the validation layer: which states only read, which combine, what a
// resource's flags allow, how COMMON promotes on first use in a list and what
// decays back to it when the list ends.
#pragma once

#include <windows.h>

#include <d3d12.h>

namespace d3d12_standin {

// States in which the GPU only reads; any of them may be combined.
constexpr D3D12_RESOURCE_STATES kReadOnlyStates =
    D3D12_RESOURCE_STATE_VERTEX_AND_CONSTANT_BUFFER | D3D12_RESOURCE_STATE_INDEX_BUFFER |
    D3D12_RESOURCE_STATE_DEPTH_READ | D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE |
    D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE | D3D12_RESOURCE_STATE_INDIRECT_ARGUMENT |
    D3D12_RESOURCE_STATE_COPY_SOURCE | D3D12_RESOURCE_STATE_RESOLVE_SOURCE;

// True for a non-empty set of read-only states.
bool IsReadOnlyState(D3D12_RESOURCE_STATES state);
// A write state (RENDER_TARGET, COPY_DEST, ...) stands alone; read-only
// states combine freely.
bool IsValidStateCombination(D3D12_RESOURCE_STATES state);
// The creation flag `state` needs that `desc` lacks, by its name
// ("D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET"), or null when the flags allow it.
const char* MissingFlagFor(const D3D12_RESOURCE_DESC& desc, D3D12_RESOURCE_STATES state);

// How a resource in COMMON is promoted by its first use in a list: buffers
// and simultaneous-access textures to any state, other textures only to
// shader-resource and copy states.
enum class Promotion { AnyState, ShaderReadOrCopy };
Promotion PromotionOf(const D3D12_RESOURCE_DESC& desc);
bool CanPromoteFromCommon(Promotion promotion, D3D12_RESOURCE_STATES wanted);
// Whether a subresource returns to COMMON when the list ends: always for
// AnyState resources, else only when it was promoted to read-only states.
bool DecaysAtListEnd(Promotion promotion, bool promotedToReadOnly);

} // namespace d3d12_standin
