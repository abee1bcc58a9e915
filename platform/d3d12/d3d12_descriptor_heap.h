// ID3D12DescriptorHeap: a linear array of descriptor records.
#pragma once

#include "d3d12_device_child.h"
#include "descriptor_record.h"

#include <memory>

namespace d3d12_standin {

class D3D12DescriptorHeap final
    : public LiveDeviceChild<D3D12DescriptorHeap, ID3D12DescriptorHeap> {
public:
    D3D12DescriptorHeap(D3D12Device* device, const D3D12_DESCRIPTOR_HEAP_DESC& desc);
    ~D3D12DescriptorHeap() override;

    const std::shared_ptr<DescriptorStorage>& Storage() const { return storage_; }
    bool ShaderVisible() const {
        return (desc_.Flags & D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE) != 0;
    }

    D3D12_DESCRIPTOR_HEAP_DESC STDMETHODCALLTYPE GetDesc() override { return desc_; }
    D3D12_CPU_DESCRIPTOR_HANDLE STDMETHODCALLTYPE GetCPUDescriptorHandleForHeapStart() override;
    D3D12_GPU_DESCRIPTOR_HANDLE STDMETHODCALLTYPE GetGPUDescriptorHandleForHeapStart() override;

protected:
    bool Implements(REFIID riid) const override;

private:
    D3D12_DESCRIPTOR_HEAP_DESC desc_;
    std::shared_ptr<DescriptorStorage> storage_;
};

} // namespace d3d12_standin
