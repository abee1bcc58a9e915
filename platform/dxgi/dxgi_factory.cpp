#include "dxgi_factory.h"

#include "dxgi_swap_chain.h"

#include <debug_messages.h>
#include <dxgi_bridge.h>
#include <window_bridge.h>

#include <cstdio>

namespace dxgi_standin {
namespace {

HRESULT CreateFactory(UINT flags, REFIID riid, void** factory) {
    if (factory == nullptr) {
        return E_POINTER;
    }
    *factory = nullptr;
    DxgiFactory* made = new DxgiFactory(flags);
    HRESULT result = made->QueryInterface(riid, factory);
    made->Release();
    return result;
}

} // namespace

bool DxgiFactory::Implements(REFIID riid) const {
    return riid == IID_IDXGIObject || riid == IID_IDXGIFactory || riid == IID_IDXGIFactory1 ||
           riid == IID_IDXGIFactory2 || riid == IID_IDXGIFactory3 || riid == IID_IDXGIFactory4;
}

HRESULT DxgiFactory::MakeWindowAssociation(HWND window, UINT flags) {
    if ((flags & ~static_cast<UINT>(DXGI_MWA_VALID)) != 0) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "IDXGIFactory::MakeWindowAssociation", "unknown flags 0x%x", flags);
        return DXGI_ERROR_INVALID_CALL;
    }
    win32_standin::NativeWindow native{};
    if (window != 0 && !win32_standin::GetNativeWindow(window, &native)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "IDXGIFactory::MakeWindowAssociation", "%d is not a window",
                        static_cast<int>(window));
        return DXGI_ERROR_INVALID_CALL;
    }
    associatedWindow_ = window;
    associationFlags_ = window != 0 ? flags : 0;
    return S_OK;
}

HRESULT DxgiFactory::GetWindowAssociation(HWND* window) {
    if (window == nullptr) {
        return DXGI_ERROR_INVALID_CALL;
    }
    *window = associatedWindow_;
    return S_OK;
}

HRESULT DxgiFactory::CreateSwapChain(IUnknown* device, DXGI_SWAP_CHAIN_DESC* desc,
                                     IDXGISwapChain** swapChain) {
    if (swapChain == nullptr) {
        return DXGI_ERROR_INVALID_CALL;
    }
    *swapChain = nullptr;
    if (desc == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "IDXGIFactory::CreateSwapChain",
                        "no description");
        return DXGI_ERROR_INVALID_CALL;
    }
    IDXGISwapChain1* made = nullptr;
    HRESULT result = CreateForWindow(device, ConfigFromDesc(*desc), &made);
    *swapChain = made;
    return result;
}

HRESULT DxgiFactory::CreateSwapChainForHwnd(IUnknown* device, HWND window,
                                            const DXGI_SWAP_CHAIN_DESC1* desc,
                                            const DXGI_SWAP_CHAIN_FULLSCREEN_DESC* fullscreen,
                                            IDXGIOutput*, IDXGISwapChain1** swapChain) {
    if (swapChain == nullptr) {
        return DXGI_ERROR_INVALID_CALL;
    }
    *swapChain = nullptr;
    if (desc == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "IDXGIFactory2::CreateSwapChainForHwnd", "no description");
        return DXGI_ERROR_INVALID_CALL;
    }
    SwapChainConfig config;
    config.window = window;
    config.desc = *desc;
    config.fullscreen.Windowed = TRUE;
    if (fullscreen != nullptr) {
        config.fullscreen = *fullscreen;
    }
    return CreateForWindow(device, config, swapChain);
}

HRESULT DxgiFactory::CreateForWindow(IUnknown* device, SwapChainConfig config,
                                     IDXGISwapChain1** swapChain) {
    ID3D12CommandQueue* queue = nullptr;
    if (device == nullptr ||
        FAILED(device->QueryInterface(IID_ID3D12CommandQueue, reinterpret_cast<void**>(&queue)))) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "CreateSwapChain",
                        "pDevice must be the Direct3D 12 command queue that presents");
        return DXGI_ERROR_INVALID_CALL;
    }
    d3d12_standin::QueueAccess access{};
    HRESULT result = S_OK;
    win32_standin::NativeWindow native{};
    std::string reason;
    if (!d3d12_standin::GetQueueAccess(queue, &access)) {
        reason = "pDevice is not a Direct3D 12 command queue of this process";
    } else if (queue->GetDesc().Type != D3D12_COMMAND_LIST_TYPE_DIRECT) {
        reason = "the presenting queue must be a direct queue";
    } else if (!win32_standin::GetNativeWindow(config.window, &native)) {
        reason = "OutputWindow " + std::to_string(config.window) + " is not a window";
    }
    if (!reason.empty()) {
        result = DXGI_ERROR_INVALID_CALL;
    } else {
        // A zero size means "the window's client area", as on Windows.
        if (config.desc.Width == 0) {
            config.desc.Width = native.clientWidth;
        }
        if (config.desc.Height == 0) {
            config.desc.Height = native.clientHeight;
        }
        result = CheckSwapChainConfig(config, &reason);
    }
    if (FAILED(result)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "CreateSwapChain", "%s",
                        reason.c_str());
    } else {
        if (!config.fullscreen.Windowed) {
            standin::Report(standin::messages::NOTICE, nullptr, "CreateSwapChain",
                            "full screen is not available; the swap chain stays windowed");
            config.fullscreen.Windowed = TRUE;
        }
        result = DxgiSwapChain::Create(this, queue, config, swapChain);
    }
    queue->Release();
    return result;
}

} // namespace dxgi_standin

EXTERN_C HRESULT WINAPI CreateDXGIFactory(REFIID riid, void** ppFactory) {
    return dxgi_standin::CreateFactory(0, riid, ppFactory);
}

EXTERN_C HRESULT WINAPI CreateDXGIFactory1(REFIID riid, void** ppFactory) {
    return dxgi_standin::CreateFactory(0, riid, ppFactory);
}

EXTERN_C HRESULT WINAPI CreateDXGIFactory2(UINT Flags, REFIID riid, void** ppFactory) {
    if ((Flags & ~static_cast<UINT>(DXGI_CREATE_FACTORY_DEBUG)) != 0) {
        if (ppFactory != nullptr) {
            *ppFactory = nullptr;
        }
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "CreateDXGIFactory2",
                        "unknown flags 0x%x", Flags);
        return DXGI_ERROR_INVALID_CALL;
    }
    return dxgi_standin::CreateFactory(Flags, riid, ppFactory);
}
