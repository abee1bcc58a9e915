#include "d3d12_root_signature.h"

namespace d3d12_standin {

D3D12RootSignature::D3D12RootSignature(D3D12Device* device,
                                       std::shared_ptr<RootSignatureLayout> layout)
    : LiveDeviceChild(device), layout_(std::move(layout)) {}

D3D12RootSignature::~D3D12RootSignature() = default;

bool D3D12RootSignature::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12RootSignature;
}

} // namespace d3d12_standin
