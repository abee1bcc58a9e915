// ID3D12PipelineState: a Vulkan graphics pipeline.
#pragma once

#include "d3d12_device_child.h"
#include "command_stream.h"
#include "pipeline_object.h"

#include <memory>

namespace d3d12_standin {

class D3D12PipelineState final : public LiveDeviceChild<D3D12PipelineState, ID3D12PipelineState> {
public:
    D3D12PipelineState(D3D12Device* device, std::shared_ptr<PipelineObject> pipeline);
    ~D3D12PipelineState() override;

    const std::shared_ptr<PipelineObject>& Pipeline() const { return pipeline_; }
    // The description's targets and root signature, as the validation layer checks draws.
    std::shared_ptr<const PipelineDebugInfo> debugInfo;

    HRESULT STDMETHODCALLTYPE GetCachedBlob(ID3DBlob** blob) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    std::shared_ptr<PipelineObject> pipeline_;
};

} // namespace d3d12_standin
