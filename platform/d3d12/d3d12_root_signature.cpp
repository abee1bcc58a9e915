#include "d3d12_root_signature.h"

#include "live_registry.h"

namespace d3d12_standin {
namespace {

LiveRegistry<D3D12RootSignature> g_rootSignatures;

} // namespace

D3D12RootSignature::D3D12RootSignature(D3D12Device* device,
                                       std::shared_ptr<RootSignatureLayout> layout)
    : DeviceChild(device), layout_(std::move(layout)) {
    g_rootSignatures.Add(this);
}

D3D12RootSignature::~D3D12RootSignature() {
    g_rootSignatures.Remove(this);
}

D3D12RootSignature* D3D12RootSignature::FromInterface(ID3D12RootSignature* rootSignature) {
    return g_rootSignatures.Contains(rootSignature)
               ? static_cast<D3D12RootSignature*>(rootSignature)
               : nullptr;
}

bool D3D12RootSignature::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12RootSignature;
}

} // namespace d3d12_standin
