// ClearState: the list's state back to what a new list begins with, the
// pipeline state the call names (null for none), as the ClearState page says.
#include "d3d12_command_list.h"

#include <array>

namespace d3d12_standin {

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ClearState(ID3D12PipelineState* pipelineState) {
    if (!Recording()) {
        return;
    }
    if (type_ == D3D12_COMMAND_LIST_TYPE_BUNDLE) {
        Fail("ClearState", "a bundle cannot clear its state");
        return;
    }
    commands_.push_back(CmdSetViewports{});
    commands_.push_back(CmdSetScissors{});
    commands_.push_back(CmdSetRenderTargets{});
    commands_.push_back(CmdSetTopology{D3D_PRIMITIVE_TOPOLOGY_UNDEFINED});
    commands_.push_back(CmdSetBlendFactor{});
    commands_.push_back(CmdSetStencilRef{0});
    commands_.push_back(CmdSetIndexBuffer{});
    const std::array<VertexBufferBinding, D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT> noVertices{};
    commands_.push_back(CmdSetVertexBuffers{0, {noVertices.data(), noVertices.size()}});
    const std::array<StreamOutputTarget, D3D12_SO_BUFFER_SLOT_COUNT> noTargets{};
    commands_.push_back(CmdSetStreamOutput{0, {noTargets.data(), noTargets.size()}});
    commands_.push_back(CmdSetHeaps{});
    commands_.push_back(CmdSetRootSignature{nullptr, nullptr, false});
    commands_.push_back(CmdSetRootSignature{nullptr, nullptr, true});
    drawState_.Forget();
    computeState_.Forget();
    if (pipelineState != nullptr) {
        SetPipelineState(pipelineState);
    } else {
        commands_.push_back(CmdSetPipeline{});
    }
}

} // namespace d3d12_standin
