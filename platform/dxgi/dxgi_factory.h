// IDXGIFactory4: makes flip-model swap chains on Direct3D 12 queues and
// remembers the window association (the stand-in never goes full screen, so
// Alt+Enter has nothing to switch).
#pragma once

#include "com_object.h"
#include "swap_chain_config.h"

#include <dxgi1_4.h>

namespace dxgi_standin {

class DxgiFactory final : public standin::ComObject<IDXGIFactory4> {
public:
    explicit DxgiFactory(UINT creationFlags) : creationFlags_(creationFlags) {}

    UINT AssociationFlags() const { return associationFlags_; }

    // IDXGIObject
    HRESULT STDMETHODCALLTYPE SetPrivateData(REFGUID, UINT, const void*) override;
    HRESULT STDMETHODCALLTYPE SetPrivateDataInterface(REFGUID, const IUnknown*) override;
    HRESULT STDMETHODCALLTYPE GetPrivateData(REFGUID, UINT*, void*) override;
    HRESULT STDMETHODCALLTYPE GetParent(REFIID, void** parent) override;
    // IDXGIFactory
    HRESULT STDMETHODCALLTYPE EnumAdapters(UINT, IDXGIAdapter** adapter) override;
    HRESULT STDMETHODCALLTYPE MakeWindowAssociation(HWND window, UINT flags) override;
    HRESULT STDMETHODCALLTYPE GetWindowAssociation(HWND* window) override;
    HRESULT STDMETHODCALLTYPE CreateSwapChain(IUnknown* device, DXGI_SWAP_CHAIN_DESC* desc,
                                              IDXGISwapChain** swapChain) override;
    HRESULT STDMETHODCALLTYPE CreateSoftwareAdapter(HMODULE, IDXGIAdapter** adapter) override;
    // IDXGIFactory1
    HRESULT STDMETHODCALLTYPE EnumAdapters1(UINT, IDXGIAdapter1** adapter) override;
    BOOL STDMETHODCALLTYPE IsCurrent() override { return TRUE; }
    // IDXGIFactory2
    BOOL STDMETHODCALLTYPE IsWindowedStereoEnabled() override { return FALSE; }
    HRESULT STDMETHODCALLTYPE
    CreateSwapChainForHwnd(IUnknown* device, HWND window, const DXGI_SWAP_CHAIN_DESC1* desc,
                           const DXGI_SWAP_CHAIN_FULLSCREEN_DESC* fullscreen,
                           IDXGIOutput* restrictToOutput, IDXGISwapChain1** swapChain) override;
    HRESULT STDMETHODCALLTYPE CreateSwapChainForCoreWindow(IUnknown*, IUnknown*,
                                                           const DXGI_SWAP_CHAIN_DESC1*,
                                                           IDXGIOutput*,
                                                           IDXGISwapChain1** swapChain) override;
    HRESULT STDMETHODCALLTYPE GetSharedResourceAdapterLuid(HANDLE, LUID*) override;
    HRESULT STDMETHODCALLTYPE RegisterStereoStatusWindow(HWND, UINT, DWORD*) override;
    HRESULT STDMETHODCALLTYPE RegisterStereoStatusEvent(HANDLE, DWORD*) override;
    void STDMETHODCALLTYPE UnregisterStereoStatus(DWORD) override {}
    HRESULT STDMETHODCALLTYPE RegisterOcclusionStatusWindow(HWND, UINT, DWORD*) override;
    HRESULT STDMETHODCALLTYPE RegisterOcclusionStatusEvent(HANDLE, DWORD*) override;
    void STDMETHODCALLTYPE UnregisterOcclusionStatus(DWORD) override {}
    HRESULT STDMETHODCALLTYPE CreateSwapChainForComposition(IUnknown*, const DXGI_SWAP_CHAIN_DESC1*,
                                                            IDXGIOutput*,
                                                            IDXGISwapChain1** swapChain) override;
    // IDXGIFactory3
    UINT STDMETHODCALLTYPE GetCreationFlags() override { return creationFlags_; }
    // IDXGIFactory4
    HRESULT STDMETHODCALLTYPE EnumAdapterByLuid(LUID, REFIID, void** adapter) override;
    HRESULT STDMETHODCALLTYPE EnumWarpAdapter(REFIID, void** adapter) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    // Both creation paths: checks the device and description, then builds.
    HRESULT CreateForWindow(IUnknown* device, SwapChainConfig config, IDXGISwapChain1** swapChain);

    UINT creationFlags_;
    HWND associatedWindow_ = 0;
    UINT associationFlags_ = 0;
};

} // namespace dxgi_standin
