// CreateComputePipelineState.
#include "d3d12_device.h"

#include "d3d12_pipeline_state.h"
#include "d3d12_root_signature.h"

#include <debug_messages.h>

namespace d3d12_standin {

HRESULT STDMETHODCALLTYPE D3D12Device::CreateComputePipelineState(
    const D3D12_COMPUTE_PIPELINE_STATE_DESC* desc, REFIID riid, void** state) {
    if (state != nullptr) {
        *state = nullptr;
    }
    if (Removed()) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if (desc == nullptr) {
        return E_INVALIDARG;
    }
    std::shared_ptr<RootSignatureLayout> rootSignature;
    if (desc->pRootSignature != nullptr) {
        D3D12RootSignature* standin = D3D12RootSignature::FromInterface(desc->pRootSignature);
        if (standin == nullptr) {
            standin::ReportRefusal("ID3D12Device", "CreateComputePipelineState",
                                   "pRootSignature is not a stand-in root signature");
            return E_INVALIDARG;
        }
        rootSignature = standin->Layout();
    }
    std::shared_ptr<PipelineObject> pipeline;
    std::string error;
    HRESULT result =
        BuildComputePipeline(Context(), *desc, std::move(rootSignature), &pipeline, &error);
    if (FAILED(result)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12Device::CreateComputePipelineState", "%s", error.c_str());
        return result;
    }
    auto* made = new D3D12PipelineState(this, pipeline);
    auto info = std::make_shared<PipelineDebugInfo>();
    info->object = static_cast<ID3D12PipelineState*>(made);
    info->rootSignature = pipeline->rootSignature;
    made->debugInfo = std::move(info);
    return HandOut(made, riid, state);
}

} // namespace d3d12_standin
