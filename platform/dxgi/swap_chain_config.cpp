#include "swap_chain_config.h"

namespace dxgi_standin {
namespace {

bool IsFlipModel(DXGI_SWAP_EFFECT effect) {
    return effect == DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL || effect == DXGI_SWAP_EFFECT_FLIP_DISCARD;
}

// The formats a flip-model swap chain may have (no _SRGB: views add that).
bool IsFlipModelFormat(DXGI_FORMAT format) {
    switch (format) {
    case DXGI_FORMAT_R8G8B8A8_UNORM:
    case DXGI_FORMAT_B8G8R8A8_UNORM:
    case DXGI_FORMAT_R10G10B10A2_UNORM:
    case DXGI_FORMAT_R16G16B16A16_FLOAT:
        return true;
    default:
        return false;
    }
}

HRESULT Refuse(std::string* reason, std::string text) {
    *reason = std::move(text);
    return DXGI_ERROR_INVALID_CALL;
}

} // namespace

SwapChainConfig ConfigFromDesc(const DXGI_SWAP_CHAIN_DESC& desc) {
    SwapChainConfig config;
    config.window = desc.OutputWindow;
    config.desc.Width = desc.BufferDesc.Width;
    config.desc.Height = desc.BufferDesc.Height;
    config.desc.Format = desc.BufferDesc.Format;
    config.desc.Stereo = FALSE;
    config.desc.SampleDesc = desc.SampleDesc;
    config.desc.BufferUsage = desc.BufferUsage;
    config.desc.BufferCount = desc.BufferCount;
    config.desc.Scaling = DXGI_SCALING_STRETCH;
    config.desc.SwapEffect = desc.SwapEffect;
    config.desc.AlphaMode = DXGI_ALPHA_MODE_UNSPECIFIED;
    config.desc.Flags = desc.Flags;
    config.fullscreen.RefreshRate = desc.BufferDesc.RefreshRate;
    config.fullscreen.ScanlineOrdering = desc.BufferDesc.ScanlineOrdering;
    config.fullscreen.Scaling = desc.BufferDesc.Scaling;
    config.fullscreen.Windowed = desc.Windowed;
    return config;
}

DXGI_SWAP_CHAIN_DESC DescFromConfig(const SwapChainConfig& config) {
    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferDesc.Width = config.desc.Width;
    desc.BufferDesc.Height = config.desc.Height;
    desc.BufferDesc.RefreshRate = config.fullscreen.RefreshRate;
    desc.BufferDesc.Format = config.desc.Format;
    desc.BufferDesc.ScanlineOrdering = config.fullscreen.ScanlineOrdering;
    desc.BufferDesc.Scaling = config.fullscreen.Scaling;
    desc.SampleDesc = config.desc.SampleDesc;
    desc.BufferUsage = config.desc.BufferUsage;
    desc.BufferCount = config.desc.BufferCount;
    desc.OutputWindow = config.window;
    desc.Windowed = config.fullscreen.Windowed;
    desc.SwapEffect = config.desc.SwapEffect;
    desc.Flags = config.desc.Flags;
    return desc;
}

HRESULT CheckSwapChainConfig(const SwapChainConfig& config, std::string* reason) {
    const DXGI_SWAP_CHAIN_DESC1& desc = config.desc;
    if (!IsFlipModel(desc.SwapEffect)) {
        return Refuse(reason, "SwapEffect " + std::to_string(desc.SwapEffect) +
                                  " is not a flip model; Direct3D 12 presents only with "
                                  "DXGI_SWAP_EFFECT_FLIP_DISCARD or FLIP_SEQUENTIAL");
    }
    if (desc.BufferCount < 2 || desc.BufferCount > DXGI_MAX_SWAP_CHAIN_BUFFERS) {
        return Refuse(reason, "BufferCount " + std::to_string(desc.BufferCount) +
                                  " is outside 2..16 for a flip-model swap chain");
    }
    if (desc.SampleDesc.Count != 1 || desc.SampleDesc.Quality != 0) {
        return Refuse(reason, "SampleDesc must be Count 1, Quality 0 for a flip-model swap chain");
    }
    if (!IsFlipModelFormat(desc.Format)) {
        return Refuse(reason, "Format " + std::to_string(desc.Format) +
                                  " is not a flip-model back-buffer format (R8G8B8A8_UNORM, "
                                  "B8G8R8A8_UNORM, R10G10B10A2_UNORM, R16G16B16A16_FLOAT)");
    }
    if (desc.Stereo) {
        return Refuse(reason, "Stereo swap chains are not supported");
    }
    if (desc.Width == 0 || desc.Height == 0) {
        return Refuse(reason, "the buffers would be empty: no size given and the window's "
                              "client area is empty");
    }
    if ((desc.BufferUsage & DXGI_USAGE_UNORDERED_ACCESS) != 0) {
        return Refuse(reason, "DXGI_USAGE_UNORDERED_ACCESS is not allowed on Direct3D 12 "
                              "swap-chain buffers");
    }
    return S_OK;
}

} // namespace dxgi_standin
