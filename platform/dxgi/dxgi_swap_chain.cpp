#include "dxgi_swap_chain.h"

#include "swap_chain_registry.h"

#include <debug_messages.h>
#include <dxgi_bridge.h>
#include <window_bridge.h>

#include <cstdio>

namespace dxgi_standin {
namespace {

// What every getter answers: E_INVALIDARG for a null pointer, else the value.
template <typename T> HRESULT CopyOut(T* out, const T& value) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = value;
    return S_OK;
}

} // namespace

HRESULT DxgiSwapChain::Create(IDXGIFactory* factory, ID3D12CommandQueue* queue,
                              const SwapChainConfig& config, IDXGISwapChain1** swapChain) {
    *swapChain = nullptr;
    if (d3d12_standin::DeviceRemoved(queue)) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    win32_standin::NativeWindow native{};
    if (!win32_standin::GetNativeWindow(config.window, &native)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "CreateSwapChain",
                        "OutputWindow %d is not a window", static_cast<int>(config.window));
        return DXGI_ERROR_INVALID_CALL;
    }
    DxgiSwapChain* chain = new DxgiSwapChain(factory, queue, config);
    chain->windowClaimed_ = ClaimWindow(config.window, chain);
    if (!chain->windowClaimed_) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "CreateSwapChain",
                        "window %d already has a flip-model swap chain",
                        static_cast<int>(config.window));
        chain->Release();
        return E_ACCESSDENIED;
    }
    for (UINT i = 0; i < config.desc.BufferCount; ++i) {
        ID3D12Resource* buffer = nullptr;
        HRESULT result = d3d12_standin::CreateSwapChainBuffer(
            queue, config.desc.Width, config.desc.Height, config.desc.Format, &buffer);
        if (FAILED(result)) {
            standin::Report(standin::messages::NOTICE, nullptr, "CreateSwapChain",
                            "creating back buffer %u failed (0x%08x)", i,
                            static_cast<unsigned>(result));
            chain->Release();
            return result;
        }
        chain->buffers_.push_back(buffer);
    }
    std::string reason;
    chain->presenter_ = VulkanPresenter::Create(queue, native.connection, native.window,
                                                config.desc.Format, &reason);
    if (chain->presenter_ == nullptr) {
        standin::Report(standin::messages::NOTICE, nullptr, "CreateSwapChain",
                        "presenting headless: %s", reason.c_str());
    }
    *swapChain = chain;
    return S_OK;
}

DxgiSwapChain::DxgiSwapChain(IDXGIFactory* factory, ID3D12CommandQueue* queue,
                             const SwapChainConfig& config)
    : factory_(factory), queue_(queue), config_(config) {
    factory_->AddRef();
    queue_->AddRef();
}

DxgiSwapChain::~DxgiSwapChain() {
    presenter_.reset(); // waits until the GPU no longer reads the buffers
    for (ID3D12Resource* buffer : buffers_) {
        buffer->Release();
    }
    if (windowClaimed_) {
        ReleaseWindow(config_.window, this);
    }
    queue_->Release();
    factory_->Release();
}

bool DxgiSwapChain::Implements(REFIID riid) const {
    return riid == IID_IDXGIObject || riid == IID_IDXGIDeviceSubObject ||
           riid == IID_IDXGISwapChain || riid == IID_IDXGISwapChain1 ||
           riid == IID_IDXGISwapChain2 || riid == IID_IDXGISwapChain3;
}

HRESULT DxgiSwapChain::GetParent(REFIID riid, void** parent) {
    if (parent == nullptr) {
        return E_POINTER;
    }
    return factory_->QueryInterface(riid, parent);
}

// A Direct3D 12 swap chain's device is the queue it presents on.
HRESULT DxgiSwapChain::GetDevice(REFIID riid, void** device) {
    if (device == nullptr) {
        return E_POINTER;
    }
    HRESULT result = queue_->QueryInterface(riid, device);
    if (result == E_NOINTERFACE) {
        result = queue_->GetDevice(riid, device);
    }
    return result;
}

HRESULT DxgiSwapChain::Present(UINT syncInterval, UINT flags) {
    if (syncInterval > 4) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "IDXGISwapChain::Present",
                        "SyncInterval %u is above 4", syncInterval);
        return DXGI_ERROR_INVALID_CALL;
    }
    if ((flags & DXGI_PRESENT_ALLOW_TEARING) != 0 &&
        (syncInterval != 0 || (config_.desc.Flags & DXGI_SWAP_CHAIN_FLAG_ALLOW_TEARING) == 0)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "IDXGISwapChain::Present",
                        "DXGI_PRESENT_ALLOW_TEARING needs SyncInterval 0 and a swap chain made "
                        "with ALLOW_TEARING");
        return DXGI_ERROR_INVALID_CALL;
    }
    if (d3d12_standin::DeviceRemoved(queue_)) {
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    if ((flags & DXGI_PRESENT_TEST) != 0) {
        return S_OK; // only asks whether presenting would work
    }
    HRESULT result = S_OK;
    d3d12_standin::ValidatePresentState(buffers_[current_]);
    if (presenter_ != nullptr) {
        ID3D12Resource* buffer = buffers_[current_];
        result = presenter_->Present(d3d12_standin::GetImage(buffer),
                                     d3d12_standin::GetImageLayout(buffer), config_.desc.Width,
                                     config_.desc.Height, syncInterval != 0);
    }
    if (FAILED(result)) {
        return result;
    }
    current_ = (current_ + 1) % config_.desc.BufferCount;
    ++presentCount_;
    CountPresent(this);
    return result;
}

HRESULT DxgiSwapChain::Present1(UINT syncInterval, UINT flags, const DXGI_PRESENT_PARAMETERS*) {
    return Present(syncInterval, flags); // the whole buffer is always shown
}

HRESULT DxgiSwapChain::GetBuffer(UINT buffer, REFIID riid, void** surface) {
    if (surface == nullptr) {
        return DXGI_ERROR_INVALID_CALL;
    }
    *surface = nullptr;
    if (buffer >= buffers_.size()) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "IDXGISwapChain::GetBuffer",
                        "buffer %u of a swap chain of %zu", buffer, buffers_.size());
        return DXGI_ERROR_INVALID_CALL;
    }
    return buffers_[buffer]->QueryInterface(riid, surface);
}

// The stand-in's windows stay windowed; Alt+Enter never switches them either.
HRESULT DxgiSwapChain::SetFullscreenState(BOOL fullscreen, IDXGIOutput*) {
    return fullscreen ? DXGI_ERROR_NOT_CURRENTLY_AVAILABLE : S_OK;
}

HRESULT DxgiSwapChain::GetFullscreenState(BOOL* fullscreen, IDXGIOutput** target) {
    if (fullscreen != nullptr) {
        *fullscreen = FALSE;
    }
    if (target != nullptr) {
        *target = nullptr;
    }
    return S_OK;
}

HRESULT DxgiSwapChain::GetDesc(DXGI_SWAP_CHAIN_DESC* desc) {
    return CopyOut(desc, DescFromConfig(config_));
}

HRESULT DxgiSwapChain::GetDesc1(DXGI_SWAP_CHAIN_DESC1* desc) {
    return CopyOut(desc, config_.desc);
}

HRESULT DxgiSwapChain::GetFullscreenDesc(DXGI_SWAP_CHAIN_FULLSCREEN_DESC* desc) {
    return CopyOut(desc, config_.fullscreen);
}

HRESULT DxgiSwapChain::GetHwnd(HWND* window) {
    return CopyOut(window, config_.window);
}

HRESULT DxgiSwapChain::GetCoreWindow(REFIID, void** window) {
    if (window != nullptr) {
        *window = nullptr;
    }
    return DXGI_ERROR_INVALID_CALL; // made for a window handle, not a core window
}

HRESULT DxgiSwapChain::GetLastPresentCount(UINT* count) {
    return CopyOut(count, presentCount_);
}

HRESULT DxgiSwapChain::GetRestrictToOutput(IDXGIOutput** output) {
    return CopyOut(output, static_cast<IDXGIOutput*>(nullptr));
}

HRESULT DxgiSwapChain::SetBackgroundColor(const DXGI_RGBA* color) {
    if (color == nullptr) {
        return E_INVALIDARG;
    }
    background_ = *color;
    return S_OK;
}

HRESULT DxgiSwapChain::GetBackgroundColor(DXGI_RGBA* color) {
    return CopyOut(color, background_);
}

HRESULT DxgiSwapChain::SetRotation(DXGI_MODE_ROTATION rotation) {
    if (rotation != DXGI_MODE_ROTATION_IDENTITY) {
        return DXGI_ERROR_INVALID_CALL; // windowed flip-model chains do not rotate
    }
    rotation_ = rotation;
    return S_OK;
}

HRESULT DxgiSwapChain::GetRotation(DXGI_MODE_ROTATION* rotation) {
    return CopyOut(rotation, rotation_);
}

// The buffers' values go to the window unchanged: sRGB-encoded full range.
HRESULT DxgiSwapChain::CheckColorSpaceSupport(DXGI_COLOR_SPACE_TYPE colorSpace, UINT* support) {
    if (support == nullptr) {
        return E_INVALIDARG;
    }
    *support = colorSpace == DXGI_COLOR_SPACE_RGB_FULL_G22_NONE_P709
                   ? DXGI_SWAP_CHAIN_COLOR_SPACE_SUPPORT_FLAG_PRESENT
                   : 0;
    return S_OK;
}

HRESULT DxgiSwapChain::SetColorSpace1(DXGI_COLOR_SPACE_TYPE colorSpace) {
    return colorSpace == DXGI_COLOR_SPACE_RGB_FULL_G22_NONE_P709 ? S_OK : E_INVALIDARG;
}

} // namespace dxgi_standin
