// ID3D12Device methods the system never calls.
#include "d3d12_device.h"

namespace d3d12_standin {
namespace {

// A creation method the stand-in lacks: it hands out nothing.
HRESULT NothingMade(void** made, const char* method) {
    if (made != nullptr) {
        *made = nullptr;
    }
    STANDIN_NOT_IMPLEMENTED(method);
    return E_NOTIMPL;
}

} // namespace

D3D12_RESOURCE_ALLOCATION_INFO STDMETHODCALLTYPE
D3D12Device::GetResourceAllocationInfo(UINT, UINT, const D3D12_RESOURCE_DESC*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::GetResourceAllocationInfo");
    return {UINT64_MAX, 0};
}

D3D12_HEAP_PROPERTIES STDMETHODCALLTYPE D3D12Device::GetCustomHeapProperties(UINT,
                                                                             D3D12_HEAP_TYPE) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::GetCustomHeapProperties");
    return {};
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateHeap(const D3D12_HEAP_DESC*, REFIID, void** heap) {
    return NothingMade(heap, "ID3D12Device::CreateHeap");
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreatePlacedResource(ID3D12Heap*, UINT64,
                                                            const D3D12_RESOURCE_DESC*,
                                                            D3D12_RESOURCE_STATES,
                                                            const D3D12_CLEAR_VALUE*, REFIID,
                                                            void** resource) {
    return NothingMade(resource, "ID3D12Device::CreatePlacedResource");
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateReservedResource(const D3D12_RESOURCE_DESC*,
                                                              D3D12_RESOURCE_STATES,
                                                              const D3D12_CLEAR_VALUE*, REFIID,
                                                              void** resource) {
    return NothingMade(resource, "ID3D12Device::CreateReservedResource");
}

HRESULT STDMETHODCALLTYPE D3D12Device::CreateSharedHandle(ID3D12DeviceChild*,
                                                          const SECURITY_ATTRIBUTES*, DWORD,
                                                          LPCWSTR, HANDLE*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::CreateSharedHandle");
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE D3D12Device::OpenSharedHandle(HANDLE, REFIID, void**) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::OpenSharedHandle");
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE D3D12Device::OpenSharedHandleByName(LPCWSTR, DWORD, HANDLE*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::OpenSharedHandleByName");
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE D3D12Device::MakeResident(UINT, ID3D12Pageable* const*) {
    return S_OK; // everything is always resident
}

HRESULT STDMETHODCALLTYPE D3D12Device::Evict(UINT, ID3D12Pageable* const*) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE D3D12Device::SetStablePowerState(BOOL) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::SetStablePowerState");
    return E_NOTIMPL;
}

void STDMETHODCALLTYPE D3D12Device::GetResourceTiling(ID3D12Resource*, UINT*,
                                                      D3D12_PACKED_MIP_INFO*, D3D12_TILE_SHAPE*,
                                                      UINT*, UINT, D3D12_SUBRESOURCE_TILING*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Device::GetResourceTiling");
}

} // namespace d3d12_standin
