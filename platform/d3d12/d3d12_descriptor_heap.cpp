#include "d3d12_descriptor_heap.h"

#include "d3d12_device.h"

#include <debug_messages.h>

namespace d3d12_standin {

D3D12DescriptorHeap::D3D12DescriptorHeap(D3D12Device* device,
                                         const D3D12_DESCRIPTOR_HEAP_DESC& desc)
    : LiveDeviceChild(device), desc_(desc), storage_(std::make_shared<DescriptorStorage>()) {
    storage_->type = desc.Type;
    storage_->records.resize(desc.NumDescriptors);
    storage_->heapObject = static_cast<ID3D12DescriptorHeap*>(this);
    bool shaderVisible = (desc.Flags & D3D12_DESCRIPTOR_HEAP_FLAG_SHADER_VISIBLE) != 0;
    device->Core().RegisterHeap(storage_, shaderVisible);
}

D3D12DescriptorHeap::~D3D12DescriptorHeap() {
    standin::ForgetObject(static_cast<ID3D12DescriptorHeap*>(this));
    Device()->Core().UnregisterHeap(storage_.get());
}

bool D3D12DescriptorHeap::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12DescriptorHeap;
}

D3D12_CPU_DESCRIPTOR_HANDLE STDMETHODCALLTYPE
D3D12DescriptorHeap::GetCPUDescriptorHandleForHeapStart() {
    return {SIZE_T(reinterpret_cast<uintptr_t>(storage_->records.data()))};
}

D3D12_GPU_DESCRIPTOR_HANDLE STDMETHODCALLTYPE
D3D12DescriptorHeap::GetGPUDescriptorHandleForHeapStart() {
    // Zero for heaps that are not shader-visible, as on Windows.
    return {storage_->gpuBase};
}

} // namespace d3d12_standin
