// ID3D12RootSignature: holds the Vulkan pipeline layout made from the blob.
#pragma once

#include "d3d12_device_child.h"
#include "root_signature_layout.h"

#include <memory>

namespace d3d12_standin {

class D3D12RootSignature final : public LiveDeviceChild<D3D12RootSignature, ID3D12RootSignature> {
public:
    D3D12RootSignature(D3D12Device* device, std::shared_ptr<RootSignatureLayout> layout);
    ~D3D12RootSignature() override;

    const std::shared_ptr<RootSignatureLayout>& Layout() const { return layout_; }

protected:
    bool Implements(REFIID riid) const override;

private:
    std::shared_ptr<RootSignatureLayout> layout_;
};

} // namespace d3d12_standin
