// IDXGISwapChain3 of a flip-model swap chain on a Direct3D 12 queue. Its back
// buffers are ordinary Direct3D 12 textures; Present shows the current one in
// the window (or, without a display, only moves on to the next buffer).
#pragma once

#include "com_object.h"
#include "swap_chain_config.h"
#include "vulkan_presenter.h"

#include <d3d12.h>
#include <dxgi1_4.h>

#include <memory>
#include <vector>

namespace dxgi_standin {

class DxgiSwapChain final : public standin::ComObject<IDXGISwapChain3> {
public:
    // Creates the swap chain on `queue` (a stand-in direct queue) for the
    // window in `config`, whose size is already resolved and checked.
    static HRESULT Create(IDXGIFactory* factory, ID3D12CommandQueue* queue,
                          const SwapChainConfig& config, IDXGISwapChain1** swapChain);
    ~DxgiSwapChain() override;

    // IDXGIObject
    HRESULT STDMETHODCALLTYPE SetPrivateData(REFGUID, UINT, const void*) override;
    HRESULT STDMETHODCALLTYPE SetPrivateDataInterface(REFGUID, const IUnknown*) override;
    HRESULT STDMETHODCALLTYPE GetPrivateData(REFGUID, UINT*, void*) override;
    HRESULT STDMETHODCALLTYPE GetParent(REFIID riid, void** parent) override;
    // IDXGIDeviceSubObject
    HRESULT STDMETHODCALLTYPE GetDevice(REFIID riid, void** device) override;
    // IDXGISwapChain
    HRESULT STDMETHODCALLTYPE Present(UINT syncInterval, UINT flags) override;
    HRESULT STDMETHODCALLTYPE GetBuffer(UINT buffer, REFIID riid, void** surface) override;
    HRESULT STDMETHODCALLTYPE SetFullscreenState(BOOL fullscreen, IDXGIOutput* target) override;
    HRESULT STDMETHODCALLTYPE GetFullscreenState(BOOL* fullscreen, IDXGIOutput** target) override;
    HRESULT STDMETHODCALLTYPE GetDesc(DXGI_SWAP_CHAIN_DESC* desc) override;
    HRESULT STDMETHODCALLTYPE ResizeBuffers(UINT, UINT, UINT, DXGI_FORMAT, UINT) override;
    HRESULT STDMETHODCALLTYPE ResizeTarget(const DXGI_MODE_DESC*) override;
    HRESULT STDMETHODCALLTYPE GetContainingOutput(IDXGIOutput** output) override;
    HRESULT STDMETHODCALLTYPE GetFrameStatistics(DXGI_FRAME_STATISTICS*) override;
    HRESULT STDMETHODCALLTYPE GetLastPresentCount(UINT* count) override;
    // IDXGISwapChain1
    HRESULT STDMETHODCALLTYPE GetDesc1(DXGI_SWAP_CHAIN_DESC1* desc) override;
    HRESULT STDMETHODCALLTYPE GetFullscreenDesc(DXGI_SWAP_CHAIN_FULLSCREEN_DESC* desc) override;
    HRESULT STDMETHODCALLTYPE GetHwnd(HWND* window) override;
    HRESULT STDMETHODCALLTYPE GetCoreWindow(REFIID, void** window) override;
    HRESULT STDMETHODCALLTYPE Present1(UINT syncInterval, UINT flags,
                                       const DXGI_PRESENT_PARAMETERS* parameters) override;
    BOOL STDMETHODCALLTYPE IsTemporaryMonoSupported() override { return FALSE; }
    HRESULT STDMETHODCALLTYPE GetRestrictToOutput(IDXGIOutput** output) override;
    HRESULT STDMETHODCALLTYPE SetBackgroundColor(const DXGI_RGBA* color) override;
    HRESULT STDMETHODCALLTYPE GetBackgroundColor(DXGI_RGBA* color) override;
    HRESULT STDMETHODCALLTYPE SetRotation(DXGI_MODE_ROTATION rotation) override;
    HRESULT STDMETHODCALLTYPE GetRotation(DXGI_MODE_ROTATION* rotation) override;
    // IDXGISwapChain2
    HRESULT STDMETHODCALLTYPE SetSourceSize(UINT, UINT) override;
    HRESULT STDMETHODCALLTYPE GetSourceSize(UINT*, UINT*) override;
    HRESULT STDMETHODCALLTYPE SetMaximumFrameLatency(UINT) override;
    HRESULT STDMETHODCALLTYPE GetMaximumFrameLatency(UINT*) override;
    HANDLE STDMETHODCALLTYPE GetFrameLatencyWaitableObject() override;
    HRESULT STDMETHODCALLTYPE SetMatrixTransform(const DXGI_MATRIX_3X2_F*) override;
    HRESULT STDMETHODCALLTYPE GetMatrixTransform(DXGI_MATRIX_3X2_F*) override;
    // IDXGISwapChain3
    UINT STDMETHODCALLTYPE GetCurrentBackBufferIndex() override { return current_; }
    HRESULT STDMETHODCALLTYPE CheckColorSpaceSupport(DXGI_COLOR_SPACE_TYPE colorSpace,
                                                     UINT* support) override;
    HRESULT STDMETHODCALLTYPE SetColorSpace1(DXGI_COLOR_SPACE_TYPE colorSpace) override;
    HRESULT STDMETHODCALLTYPE ResizeBuffers1(UINT, UINT, UINT, DXGI_FORMAT, UINT, const UINT*,
                                             IUnknown* const*) override;

protected:
    bool Implements(REFIID riid) const override;

private:
    DxgiSwapChain(IDXGIFactory* factory, ID3D12CommandQueue* queue, const SwapChainConfig& config);

    IDXGIFactory* factory_;
    ID3D12CommandQueue* queue_;
    SwapChainConfig config_;
    bool windowClaimed_ = false;
    std::vector<ID3D12Resource*> buffers_;
    std::unique_ptr<VulkanPresenter> presenter_; // null: headless
    UINT current_ = 0;
    UINT presentCount_ = 0;
    DXGI_RGBA background_{};
    DXGI_MODE_ROTATION rotation_ = DXGI_MODE_ROTATION_IDENTITY;
};

} // namespace dxgi_standin
