// ID3D12Device over one Vulkan device.
#pragma once

#include "device_core.h"

#include <com_object.h>

#include <d3d12.h>

#include <memory>
#include <string>

namespace d3d12_standin {

class D3D12Device final : public standin::ComObject<ID3D12Device> {
public:
    explicit D3D12Device(std::shared_ptr<vk_core::VulkanContext> context);
    ~D3D12Device() override;

    DeviceCore& Core() { return *core_; }
    // ID3D12InfoQueue is a separate object sharing the device's messages.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    const std::shared_ptr<vk_core::VulkanContext>& Context() const { return core_->context; }
    // Removed after a hang: calls that return an HRESULT fail with DXGI_ERROR_DEVICE_REMOVED.
    bool Removed() const;

    // ID3D12Object
    HRESULT STDMETHODCALLTYPE GetPrivateData(REFGUID, UINT*, void*) override;
    HRESULT STDMETHODCALLTYPE SetPrivateData(REFGUID, UINT, const void*) override;
    HRESULT STDMETHODCALLTYPE SetPrivateDataInterface(REFGUID, const IUnknown*) override;
    HRESULT STDMETHODCALLTYPE SetName(LPCWSTR) override;

    // ID3D12Device: what the stand-in implements
    UINT STDMETHODCALLTYPE GetNodeCount() override;
    HRESULT STDMETHODCALLTYPE CreateCommandQueue(const D3D12_COMMAND_QUEUE_DESC* desc, REFIID riid,
                                                 void** queue) override;
    HRESULT STDMETHODCALLTYPE CreateCommandAllocator(D3D12_COMMAND_LIST_TYPE type, REFIID riid,
                                                     void** allocator) override;
    HRESULT STDMETHODCALLTYPE CreateGraphicsPipelineState(
        const D3D12_GRAPHICS_PIPELINE_STATE_DESC* desc, REFIID riid, void** state) override;
    HRESULT STDMETHODCALLTYPE CreateCommandList(UINT nodeMask, D3D12_COMMAND_LIST_TYPE type,
                                                ID3D12CommandAllocator* allocator,
                                                ID3D12PipelineState* initialState, REFIID riid,
                                                void** list) override;
    HRESULT STDMETHODCALLTYPE CreateDescriptorHeap(const D3D12_DESCRIPTOR_HEAP_DESC* desc,
                                                   REFIID riid, void** heap) override;
    UINT STDMETHODCALLTYPE GetDescriptorHandleIncrementSize(D3D12_DESCRIPTOR_HEAP_TYPE) override;
    HRESULT STDMETHODCALLTYPE CreateRootSignature(UINT nodeMask, const void* blob, SIZE_T size,
                                                  REFIID riid, void** rootSignature) override;
    void STDMETHODCALLTYPE CreateConstantBufferView(const D3D12_CONSTANT_BUFFER_VIEW_DESC* desc,
                                                    D3D12_CPU_DESCRIPTOR_HANDLE dest) override;
    void STDMETHODCALLTYPE CreateShaderResourceView(ID3D12Resource* resource,
                                                    const D3D12_SHADER_RESOURCE_VIEW_DESC* desc,
                                                    D3D12_CPU_DESCRIPTOR_HANDLE dest) override;
    void STDMETHODCALLTYPE CreateRenderTargetView(ID3D12Resource* resource,
                                                  const D3D12_RENDER_TARGET_VIEW_DESC* desc,
                                                  D3D12_CPU_DESCRIPTOR_HANDLE dest) override;
    void STDMETHODCALLTYPE CreateDepthStencilView(ID3D12Resource* resource,
                                                  const D3D12_DEPTH_STENCIL_VIEW_DESC* desc,
                                                  D3D12_CPU_DESCRIPTOR_HANDLE dest) override;
    void STDMETHODCALLTYPE CreateSampler(const D3D12_SAMPLER_DESC* desc,
                                         D3D12_CPU_DESCRIPTOR_HANDLE dest) override;
    HRESULT STDMETHODCALLTYPE CreateCommittedResource(const D3D12_HEAP_PROPERTIES* heap,
                                                      D3D12_HEAP_FLAGS heapFlags,
                                                      const D3D12_RESOURCE_DESC* desc,
                                                      D3D12_RESOURCE_STATES initialState,
                                                      const D3D12_CLEAR_VALUE* clearValue,
                                                      REFIID riid, void** resource) override;
    HRESULT STDMETHODCALLTYPE CreateFence(UINT64 initialValue, D3D12_FENCE_FLAGS flags, REFIID riid,
                                          void** fence) override;
    HRESULT STDMETHODCALLTYPE GetDeviceRemovedReason() override;
    void STDMETHODCALLTYPE GetCopyableFootprints(const D3D12_RESOURCE_DESC* desc,
                                                 UINT firstSubresource, UINT numSubresources,
                                                 UINT64 baseOffset,
                                                 D3D12_PLACED_SUBRESOURCE_FOOTPRINT* layouts,
                                                 UINT* numRows, UINT64* rowSizes,
                                                 UINT64* totalBytes) override;
    LUID STDMETHODCALLTYPE GetAdapterLuid() override;

    // ID3D12Device: not used by the system
    HRESULT STDMETHODCALLTYPE CreateComputePipelineState(const D3D12_COMPUTE_PIPELINE_STATE_DESC*,
                                                         REFIID, void**) override;
    HRESULT STDMETHODCALLTYPE CheckFeatureSupport(D3D12_FEATURE, void*, UINT) override;
    void STDMETHODCALLTYPE CreateUnorderedAccessView(ID3D12Resource*, ID3D12Resource*,
                                                     const D3D12_UNORDERED_ACCESS_VIEW_DESC*,
                                                     D3D12_CPU_DESCRIPTOR_HANDLE) override;
    void STDMETHODCALLTYPE CopyDescriptors(UINT, const D3D12_CPU_DESCRIPTOR_HANDLE*, const UINT*,
                                           UINT, const D3D12_CPU_DESCRIPTOR_HANDLE*, const UINT*,
                                           D3D12_DESCRIPTOR_HEAP_TYPE) override;
    void STDMETHODCALLTYPE CopyDescriptorsSimple(UINT, D3D12_CPU_DESCRIPTOR_HANDLE,
                                                 D3D12_CPU_DESCRIPTOR_HANDLE,
                                                 D3D12_DESCRIPTOR_HEAP_TYPE) override;
    D3D12_RESOURCE_ALLOCATION_INFO STDMETHODCALLTYPE
    GetResourceAllocationInfo(UINT, UINT, const D3D12_RESOURCE_DESC*) override;
    D3D12_HEAP_PROPERTIES STDMETHODCALLTYPE GetCustomHeapProperties(UINT, D3D12_HEAP_TYPE) override;
    HRESULT STDMETHODCALLTYPE CreateHeap(const D3D12_HEAP_DESC*, REFIID, void**) override;
    HRESULT STDMETHODCALLTYPE CreatePlacedResource(ID3D12Heap*, UINT64, const D3D12_RESOURCE_DESC*,
                                                   D3D12_RESOURCE_STATES, const D3D12_CLEAR_VALUE*,
                                                   REFIID, void**) override;
    HRESULT STDMETHODCALLTYPE CreateReservedResource(const D3D12_RESOURCE_DESC*,
                                                     D3D12_RESOURCE_STATES,
                                                     const D3D12_CLEAR_VALUE*, REFIID,
                                                     void**) override;
    HRESULT STDMETHODCALLTYPE CreateSharedHandle(ID3D12DeviceChild*, const SECURITY_ATTRIBUTES*,
                                                 DWORD, LPCWSTR, HANDLE*) override;
    HRESULT STDMETHODCALLTYPE OpenSharedHandle(HANDLE, REFIID, void**) override;
    HRESULT STDMETHODCALLTYPE OpenSharedHandleByName(LPCWSTR, DWORD, HANDLE*) override;
    HRESULT STDMETHODCALLTYPE MakeResident(UINT, ID3D12Pageable* const*) override;
    HRESULT STDMETHODCALLTYPE Evict(UINT, ID3D12Pageable* const*) override;
    HRESULT STDMETHODCALLTYPE CreateQueryHeap(const D3D12_QUERY_HEAP_DESC*, REFIID,
                                              void**) override;
    HRESULT STDMETHODCALLTYPE SetStablePowerState(BOOL) override;
    HRESULT STDMETHODCALLTYPE CreateCommandSignature(const D3D12_COMMAND_SIGNATURE_DESC*,
                                                     ID3D12RootSignature*, REFIID, void**) override;
    void STDMETHODCALLTYPE GetResourceTiling(ID3D12Resource*, UINT*, D3D12_PACKED_MIP_INFO*,
                                             D3D12_TILE_SHAPE*, UINT*, UINT,
                                             D3D12_SUBRESOURCE_TILING*) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    std::unique_ptr<DeviceCore> core_;
};

// The process's one Vulkan context, or null (reason in `error`) when there is
// no usable Vulkan device.
std::shared_ptr<vk_core::VulkanContext> ProcessVulkanContext(std::string* error);

// Stores `object` as the interface `riid` asks for, or releases it and
// returns E_NOINTERFACE (S_FALSE when `out` is null). `object` carries the creator's reference.
template <typename T> HRESULT HandOut(T* object, REFIID riid, void** out) {
    if (out == nullptr) {
        object->Release();
        return S_FALSE; // the description was valid; nothing was asked for
    }
    HRESULT result = object->QueryInterface(riid, out);
    object->Release();
    return result;
}

} // namespace d3d12_standin
