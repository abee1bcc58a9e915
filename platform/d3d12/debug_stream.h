// What a command list records for the validation layer, beside the commands it
// records for execution: the Direct3D 12 objects each call used, checked when
// the list executes.
#pragma once

#include "debug_resource.h"
#include "descriptor_record.h"
#include "root_signature_layout.h"

#include <memory>
#include <variant>
#include <vector>

namespace d3d12_standin {

// A pipeline state as draws are checked against it.
struct PipelineDebugInfo {
    const void* object = nullptr; // the ID3D12PipelineState
    UINT numRenderTargets = 0;
    DXGI_FORMAT rtvFormats[8] = {};
    DXGI_FORMAT dsvFormat = DXGI_FORMAT_UNKNOWN;
    bool depthWrites = false;
    std::shared_ptr<RootSignatureLayout> rootSignature;
};

constexpr uint32_t kAllSubresources = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;

// One subresource (or all of them) of a resource, through a view of `format`.
// A null resource is a null view.
struct DebugUse {
    std::shared_ptr<ResourceTrack> resource;
    uint32_t subresource = kAllSubresources;
    DXGI_FORMAT format = DXGI_FORMAT_UNKNOWN;
};

struct DebugBarrier {
    std::shared_ptr<ResourceTrack> resource;
    uint32_t subresource;
    D3D12_RESOURCE_STATES before, after;
};
struct DebugBarriers {
    std::vector<DebugBarrier> transitions;
};
struct DebugSetTargets {
    std::vector<DebugUse> colors;
    DebugUse depth;
    bool hasDepth = false;
};
struct DebugClear {
    DebugUse target;
    bool depth;
};
struct DebugCopy {
    const char* method;
    DebugUse destination, source;
};
struct DebugSetHeaps {
    std::shared_ptr<DescriptorStorage> resources, samplers; // null: none bound
};
struct DebugSetTable {
    uint32_t parameter;
    std::shared_ptr<DescriptorStorage> heap;
    uint32_t first;
    UINT64 handle;
};
struct DebugSetRootSignature {
    const void* object;
    std::shared_ptr<RootSignatureLayout> layout;
};
struct DebugSetPipeline {
    std::shared_ptr<const PipelineDebugInfo> pipeline;
};
struct DebugDraw {};

using DebugCommand =
    std::variant<DebugBarriers, DebugSetTargets, DebugClear, DebugCopy, DebugSetHeaps,
                 DebugSetTable, DebugSetRootSignature, DebugSetPipeline, DebugDraw>;

} // namespace d3d12_standin
