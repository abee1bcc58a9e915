// Swap-chain methods the system never calls: they say so once and answer E_NOTIMPL.
#include "dxgi_swap_chain.h"
#include "dxgi_private_data.h"

namespace dxgi_standin {

#define NOT_IMPLEMENTED(name)                                                                      \
    STANDIN_NOT_IMPLEMENTED("IDXGISwapChain::" name);                                              \
    return E_NOTIMPL

STANDIN_DXGI_PRIVATE_DATA_NOT_IMPLEMENTED(DxgiSwapChain, "IDXGISwapChain")

HRESULT DxgiSwapChain::ResizeBuffers(UINT, UINT, UINT, DXGI_FORMAT, UINT) {
    NOT_IMPLEMENTED("ResizeBuffers");
}
HRESULT DxgiSwapChain::ResizeTarget(const DXGI_MODE_DESC*) {
    NOT_IMPLEMENTED("ResizeTarget");
}
HRESULT DxgiSwapChain::GetContainingOutput(IDXGIOutput** output) {
    if (output != nullptr) {
        *output = nullptr;
    }
    NOT_IMPLEMENTED("GetContainingOutput");
}
HRESULT DxgiSwapChain::GetFrameStatistics(DXGI_FRAME_STATISTICS*) {
    NOT_IMPLEMENTED("GetFrameStatistics");
}
HRESULT DxgiSwapChain::SetSourceSize(UINT, UINT) {
    NOT_IMPLEMENTED("SetSourceSize");
}
HRESULT DxgiSwapChain::GetSourceSize(UINT*, UINT*) {
    NOT_IMPLEMENTED("GetSourceSize");
}
HRESULT DxgiSwapChain::SetMaximumFrameLatency(UINT) {
    NOT_IMPLEMENTED("SetMaximumFrameLatency");
}
HRESULT DxgiSwapChain::GetMaximumFrameLatency(UINT*) {
    NOT_IMPLEMENTED("GetMaximumFrameLatency");
}
HANDLE DxgiSwapChain::GetFrameLatencyWaitableObject() {
    STANDIN_NOT_IMPLEMENTED("IDXGISwapChain::GetFrameLatencyWaitableObject");
    return nullptr;
}
HRESULT DxgiSwapChain::SetMatrixTransform(const DXGI_MATRIX_3X2_F*) {
    NOT_IMPLEMENTED("SetMatrixTransform");
}
HRESULT DxgiSwapChain::GetMatrixTransform(DXGI_MATRIX_3X2_F*) {
    NOT_IMPLEMENTED("GetMatrixTransform");
}
HRESULT DxgiSwapChain::ResizeBuffers1(UINT, UINT, UINT, DXGI_FORMAT, UINT, const UINT*,
                                      IUnknown* const*) {
    NOT_IMPLEMENTED("ResizeBuffers1");
}

} // namespace dxgi_standin
