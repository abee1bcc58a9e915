#include "d3d12_pipeline_state.h"

#include <debug_messages.h>

namespace d3d12_standin {

D3D12PipelineState::D3D12PipelineState(D3D12Device* device,
                                       std::shared_ptr<PipelineObject> pipeline)
    : LiveDeviceChild(device), pipeline_(std::move(pipeline)) {}

D3D12PipelineState::~D3D12PipelineState() {
    standin::ForgetObject(static_cast<ID3D12PipelineState*>(this));
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
