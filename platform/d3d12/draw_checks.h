// The debug layer's checks of a draw as DrawInstanced records it: the state
// set on the list so far, and what the draw lacks of it.
#pragma once

#include "pipeline_object.h"

#include <bitset>
#include <memory>
#include <vector>

namespace d3d12_standin {

struct RecordedDrawState {
    const void* rootSignatureObject = nullptr; // the ID3D12RootSignature
    std::shared_ptr<RootSignatureLayout> rootSignature;
    const void* pipelineObject = nullptr; // the ID3D12PipelineState
    std::shared_ptr<PipelineObject> pipeline;
    D3D12_PRIMITIVE_TOPOLOGY topology = D3D_PRIMITIVE_TOPOLOGY_UNDEFINED;
    uint32_t viewports = 0;
    std::vector<D3D12_RECT> scissors;
    std::bitset<64> tablesSet; // root parameters given an argument
    bool indexBufferSet = false;

    // As a list is reset: nothing set, the rectangles' storage kept.
    void Forget() {
        std::vector<D3D12_RECT> kept = std::move(scissors);
        kept.clear();
        *this = {};
        scissors = std::move(kept);
    }
};

// Reports, as the debug layer does, a draw with no root signature or
// pipeline state, a CBV or UAV table or a root view never set, a topology of another type
// than the pipeline's, and viewports without a scissor rectangle; for an
// indexed draw also a missing index buffer. `list` (the
// ID3D12GraphicsCommandList) keys the reports; `method` names the call when
// it is not DrawInstanced or DrawIndexedInstanced.
void CheckDrawState(const RecordedDrawState& state, const void* list, bool indexed = false,
                    const char* method = nullptr);

// The same for a dispatch: the compute root signature and the tables and
// root views it declares (`arguments`), and a pipeline state.
void CheckDispatchState(const RecordedDrawState& arguments, bool pipelineSet, const void* list,
                        const char* method = nullptr);

// Whether a draw with `state` writes anything: Direct3D 12 always tests the
// scissor, so a viewport without a non-empty rectangle draws nothing.
bool ScissorIsEmpty(const std::vector<D3D12_RECT>& scissors, uint32_t viewport);

} // namespace d3d12_standin
