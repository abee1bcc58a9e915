// Factory methods the system never calls: they say so once and answer E_NOTIMPL
// (adapters are chosen by D3D12CreateDevice's default adapter instead).
#include "dxgi_factory.h"
#include "dxgi_private_data.h"

namespace dxgi_standin {
namespace {

template <typename T> void ClearOutput(T** output) {
    if (output != nullptr) {
        *output = nullptr;
    }
}

} // namespace

#define NOT_IMPLEMENTED(name)                                                                      \
    STANDIN_NOT_IMPLEMENTED("IDXGIFactory::" name);                                                \
    return E_NOTIMPL

STANDIN_DXGI_PRIVATE_DATA_NOT_IMPLEMENTED(DxgiFactory, "IDXGIFactory")

HRESULT DxgiFactory::GetParent(REFIID, void** parent) {
    ClearOutput(parent);
    NOT_IMPLEMENTED("GetParent");
}
HRESULT DxgiFactory::EnumAdapters(UINT, IDXGIAdapter** adapter) {
    ClearOutput(adapter);
    NOT_IMPLEMENTED("EnumAdapters");
}
HRESULT DxgiFactory::CreateSoftwareAdapter(HMODULE, IDXGIAdapter** adapter) {
    ClearOutput(adapter);
    NOT_IMPLEMENTED("CreateSoftwareAdapter");
}
HRESULT DxgiFactory::EnumAdapters1(UINT, IDXGIAdapter1** adapter) {
    ClearOutput(adapter);
    NOT_IMPLEMENTED("EnumAdapters1");
}
HRESULT DxgiFactory::CreateSwapChainForCoreWindow(IUnknown*, IUnknown*,
                                                  const DXGI_SWAP_CHAIN_DESC1*, IDXGIOutput*,
                                                  IDXGISwapChain1** swapChain) {
    ClearOutput(swapChain);
    NOT_IMPLEMENTED("CreateSwapChainForCoreWindow");
}
HRESULT DxgiFactory::GetSharedResourceAdapterLuid(HANDLE, LUID*) {
    NOT_IMPLEMENTED("GetSharedResourceAdapterLuid");
}
HRESULT DxgiFactory::RegisterStereoStatusWindow(HWND, UINT, DWORD*) {
    NOT_IMPLEMENTED("RegisterStereoStatusWindow");
}
HRESULT DxgiFactory::RegisterStereoStatusEvent(HANDLE, DWORD*) {
    NOT_IMPLEMENTED("RegisterStereoStatusEvent");
}
HRESULT DxgiFactory::RegisterOcclusionStatusWindow(HWND, UINT, DWORD*) {
    NOT_IMPLEMENTED("RegisterOcclusionStatusWindow");
}
HRESULT DxgiFactory::RegisterOcclusionStatusEvent(HANDLE, DWORD*) {
    NOT_IMPLEMENTED("RegisterOcclusionStatusEvent");
}
HRESULT DxgiFactory::CreateSwapChainForComposition(IUnknown*, const DXGI_SWAP_CHAIN_DESC1*,
                                                   IDXGIOutput*, IDXGISwapChain1** swapChain) {
    ClearOutput(swapChain);
    NOT_IMPLEMENTED("CreateSwapChainForComposition");
}
HRESULT DxgiFactory::EnumAdapterByLuid(LUID, REFIID, void** adapter) {
    ClearOutput(adapter);
    NOT_IMPLEMENTED("EnumAdapterByLuid");
}
HRESULT DxgiFactory::EnumWarpAdapter(REFIID, void** adapter) {
    ClearOutput(adapter);
    NOT_IMPLEMENTED("EnumWarpAdapter");
}

} // namespace dxgi_standin
