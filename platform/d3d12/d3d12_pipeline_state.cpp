#include "d3d12_pipeline_state.h"

#include "live_registry.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

LiveRegistry<D3D12PipelineState> g_pipelineStates;

} // namespace

D3D12PipelineState::D3D12PipelineState(D3D12Device* device,
                                       std::shared_ptr<PipelineObject> pipeline)
    : DeviceChild(device), pipeline_(std::move(pipeline)) {
    g_pipelineStates.Add(this);
}

D3D12PipelineState::~D3D12PipelineState() {
    g_pipelineStates.Remove(this);
    standin::ForgetObject(static_cast<ID3D12PipelineState*>(this));
}

D3D12PipelineState* D3D12PipelineState::FromInterface(ID3D12PipelineState* state) {
    return g_pipelineStates.Contains(state) ? static_cast<D3D12PipelineState*>(state) : nullptr;
}

bool D3D12PipelineState::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12PipelineState;
}

HRESULT STDMETHODCALLTYPE D3D12PipelineState::GetCachedBlob(ID3DBlob** blob) {
    if (blob != nullptr) {
        *blob = nullptr;
    }
    STANDIN_NOT_IMPLEMENTED("ID3D12PipelineState::GetCachedBlob");
    return E_NOTIMPL;
}

} // namespace d3d12_standin
