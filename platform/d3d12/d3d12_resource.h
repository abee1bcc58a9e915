// ID3D12Resource: a committed buffer (VkBuffer with its own memory and GPU
// virtual address range) or a 2-D texture (VkImage).
#pragma once

#include "d3d12_device_child.h"
#include "debug_resource.h"
#include "gpu_objects.h"

#include <memory>

namespace d3d12_standin {

class D3D12Resource final : public LiveDeviceChild<D3D12Resource, ID3D12Resource> {
public:
    // Validates the description as Direct3D 12 does and makes the resource.
    static HRESULT Create(D3D12Device* device, const D3D12_HEAP_PROPERTIES& heap,
                          const D3D12_RESOURCE_DESC& desc, D3D12_RESOURCE_STATES initialState,
                          const D3D12_CLEAR_VALUE* clearValue, D3D12Resource** resource);
    ~D3D12Resource() override;

    const std::shared_ptr<GpuBuffer>& Buffer() const { return buffer_; }
    const std::shared_ptr<GpuImage>& Image() const { return image_; }
    D3D12_HEAP_TYPE HeapType() const { return heap_.Type; }
    // What the validation layer follows of this resource.
    const std::shared_ptr<ResourceTrack>& Track() const { return track_; }

    HRESULT STDMETHODCALLTYPE SetName(LPCWSTR name) override;

    HRESULT STDMETHODCALLTYPE Map(UINT subresource, const D3D12_RANGE* readRange,
                                  void** data) override;
    void STDMETHODCALLTYPE Unmap(UINT subresource, const D3D12_RANGE* writtenRange) override;
    D3D12_RESOURCE_DESC STDMETHODCALLTYPE GetDesc() override { return desc_; }
    D3D12_GPU_VIRTUAL_ADDRESS STDMETHODCALLTYPE GetGPUVirtualAddress() override;
    HRESULT STDMETHODCALLTYPE WriteToSubresource(UINT, const D3D12_BOX*, const void*, UINT,
                                                 UINT) override;
    HRESULT STDMETHODCALLTYPE ReadFromSubresource(void*, UINT, UINT, UINT,
                                                  const D3D12_BOX*) override;
    HRESULT STDMETHODCALLTYPE GetHeapProperties(D3D12_HEAP_PROPERTIES* properties,
                                                D3D12_HEAP_FLAGS* flags) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    D3D12Resource(D3D12Device* device, const D3D12_HEAP_PROPERTIES& heap,
                  const D3D12_RESOURCE_DESC& desc);
    HRESULT MakeBuffer();
    HRESULT MakeImage();
    void MakeTrack(D3D12_RESOURCE_STATES initialState, const D3D12_CLEAR_VALUE* clearValue);

    D3D12_HEAP_PROPERTIES heap_;
    D3D12_RESOURCE_DESC desc_;
    std::shared_ptr<GpuBuffer> buffer_;
    std::shared_ptr<GpuImage> image_;
    std::shared_ptr<ResourceTrack> track_;
    int mapCount_ = 0;
};

} // namespace d3d12_standin
