// ID3D12Device::CheckFeatureSupport: what this device offers, as the Vulkan
// device it stands on and the stand-in's own translation allow together.
#include "d3d12_device.h"

#include "debug_text.h"
#include "format_table.h"
#include "multisample_rules.h"

#include <debug_messages.h>

#include <algorithm>

namespace d3d12_standin {
namespace {

// D3D12CreateDevice accepts every level up to this one.
constexpr D3D_FEATURE_LEVEL kHighestFeatureLevel = D3D_FEATURE_LEVEL_12_1;
// The compiler stand-in emits shader model 5.x containers only.
constexpr D3D_SHADER_MODEL kHighestShaderModel = D3D_SHADER_MODEL_5_1;
// Buffers get addresses from 2^32 up in a 2^40 space (device_core.cpp).
constexpr UINT kVirtualAddressBits = 40;

const char* FeatureName(D3D12_FEATURE feature) {
    switch (feature) {
    case D3D12_FEATURE_D3D12_OPTIONS:
        return "D3D12_FEATURE_D3D12_OPTIONS";
    case D3D12_FEATURE_ARCHITECTURE:
        return "D3D12_FEATURE_ARCHITECTURE";
    case D3D12_FEATURE_FEATURE_LEVELS:
        return "D3D12_FEATURE_FEATURE_LEVELS";
    case D3D12_FEATURE_FORMAT_SUPPORT:
        return "D3D12_FEATURE_FORMAT_SUPPORT";
    case D3D12_FEATURE_MULTISAMPLE_QUALITY_LEVELS:
        return "D3D12_FEATURE_MULTISAMPLE_QUALITY_LEVELS";
    case D3D12_FEATURE_FORMAT_INFO:
        return "D3D12_FEATURE_FORMAT_INFO";
    case D3D12_FEATURE_GPU_VIRTUAL_ADDRESS_SUPPORT:
        return "D3D12_FEATURE_GPU_VIRTUAL_ADDRESS_SUPPORT";
    case D3D12_FEATURE_SHADER_MODEL:
        return "D3D12_FEATURE_SHADER_MODEL";
    case D3D12_FEATURE_D3D12_OPTIONS2:
        return "D3D12_FEATURE_D3D12_OPTIONS2";
    case D3D12_FEATURE_ROOT_SIGNATURE:
        return "D3D12_FEATURE_ROOT_SIGNATURE";
    default:
        return "D3D12_FEATURE";
    }
}

// Descriptor limits decide the binding tier; tier 3 needs unbounded ranges,
// which the stand-in lacks.
D3D12_RESOURCE_BINDING_TIER BindingTier(const VkPhysicalDeviceLimits& limits) {
    const bool tier2 = limits.maxPerStageDescriptorSampledImages >= 1000000 &&
                       limits.maxPerStageDescriptorUniformBuffers >= 14 &&
                       limits.maxPerStageDescriptorStorageImages >= 64 &&
                       limits.maxPerStageDescriptorSamplers >= 2048;
    return tier2 ? D3D12_RESOURCE_BINDING_TIER_2 : D3D12_RESOURCE_BINDING_TIER_1;
}

void AnswerOptions(const vk_core::VulkanContext& context, D3D12_FEATURE_DATA_D3D12_OPTIONS* data) {
    *data = {};
    // Logic operations, stencil reference export, ROVs and conservative
    // rasterisation are not enabled or not translated. Shaders with doubles
    // run where the device computes them. Typed
    // unordered-access views are storage images without a format in the
    // shader, which load every format the device stores to.
    data->TypedUAVLoadAdditionalFormats = context.features.storageReadWithoutFormat ? TRUE : FALSE;
    data->DoublePrecisionFloatShaderOps = context.features.shaderFloat64 ? TRUE : FALSE;
    data->MinPrecisionSupport = D3D12_SHADER_MIN_PRECISION_SUPPORT_NONE;
    data->TiledResourcesTier = D3D12_TILED_RESOURCES_TIER_NOT_SUPPORTED;
    data->ResourceBindingTier = BindingTier(context.properties.limits);
    data->ConservativeRasterizationTier = D3D12_CONSERVATIVE_RASTERIZATION_TIER_NOT_SUPPORTED;
    data->MaxGPUVirtualAddressBitsPerResource = kVirtualAddressBits;
    data->CrossNodeSharingTier = D3D12_CROSS_NODE_SHARING_TIER_NOT_SUPPORTED;
    // Placed resources are not supported, so no heap mixes resource kinds.
    data->ResourceHeapTier = D3D12_RESOURCE_HEAP_TIER_1;
    // A vertex shader may write SV_ViewportArrayIndex and
    // SV_RenderTargetArrayIndex where Vulkan lets it write both.
    const vk_core::VulkanFeatures& features = context.features;
    data->VPAndRTArrayIndexFromAnyShaderFeedingRasterizerSupportedWithoutGSEmulation =
        features.multiViewport && features.viewportIndexFromVertexShader &&
        features.layerFromVertexShader;
}

void AnswerArchitecture(const vk_core::VulkanContext& context,
                        D3D12_FEATURE_DATA_ARCHITECTURE* data) {
    // UMA: every memory type the device has is visible to the host as well.
    bool allHostVisible = true;
    for (uint32_t i = 0; i < context.memoryProperties.memoryTypeCount; ++i) {
        VkMemoryPropertyFlags flags = context.memoryProperties.memoryTypes[i].propertyFlags;
        allHostVisible = allHostVisible && (flags & VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT) != 0;
    }
    bool allCoherent = allHostVisible;
    for (uint32_t i = 0; i < context.memoryProperties.memoryTypeCount; ++i) {
        VkMemoryPropertyFlags flags = context.memoryProperties.memoryTypes[i].propertyFlags;
        allCoherent = allCoherent && (flags & VK_MEMORY_PROPERTY_HOST_COHERENT_BIT) != 0;
    }
    data->TileBasedRenderer = FALSE;
    data->UMA = allHostVisible;
    data->CacheCoherentUMA = allCoherent;
}

HRESULT AnswerFeatureLevels(D3D12_FEATURE_DATA_FEATURE_LEVELS* data) {
    if (data->NumFeatureLevels == 0 || data->pFeatureLevelsRequested == nullptr) {
        return E_INVALIDARG;
    }
    // The highest level asked for that the device has; none: 0.
    D3D_FEATURE_LEVEL highest = D3D_FEATURE_LEVEL(0);
    for (UINT i = 0; i < data->NumFeatureLevels; ++i) {
        D3D_FEATURE_LEVEL level = data->pFeatureLevelsRequested[i];
        if (level <= kHighestFeatureLevel && level > highest) {
            highest = level;
        }
    }
    data->MaxSupportedFeatureLevel = highest;
    return S_OK;
}

// The FORMAT_SUPPORT1 bits of a format's Direct3D uses that the Vulkan
// device's optimal-tiling images and buffers in its format have.
UINT TextureSupport(const FormatInfo& format, VkFormatFeatureFlags image,
                    VkSampleCountFlags samples) {
    const bool readable = (image & VK_FORMAT_FEATURE_SAMPLED_IMAGE_BIT) != 0;
    UINT support = 0;
    if ((HasUse(format, kUseTexture) || HasUse(format, kUseLoad)) &&
        (readable || (image & VK_FORMAT_FEATURE_DEPTH_STENCIL_ATTACHMENT_BIT) != 0)) {
        support |= D3D12_FORMAT_SUPPORT1_TEXTURE2D | D3D12_FORMAT_SUPPORT1_MIP;
        if (!IsDepthFormat(format) && format.aspect == VK_IMAGE_ASPECT_COLOR_BIT) {
            support |= D3D12_FORMAT_SUPPORT1_TEXTURE3D | D3D12_FORMAT_SUPPORT1_TEXTURECUBE;
            support |= format.blockSize == 1 ? D3D12_FORMAT_SUPPORT1_TEXTURE1D : 0;
        }
    }
    if (HasUse(format, kUseLoad) && readable) {
        support |= D3D12_FORMAT_SUPPORT1_SHADER_LOAD;
        if (HasUse(format, kUseSample) &&
            (image & VK_FORMAT_FEATURE_SAMPLED_IMAGE_FILTER_LINEAR_BIT) != 0) {
            support |= D3D12_FORMAT_SUPPORT1_SHADER_SAMPLE | D3D12_FORMAT_SUPPORT1_SHADER_GATHER;
        }
        if (HasUse(format, kUseCompare)) {
            support |= D3D12_FORMAT_SUPPORT1_SHADER_SAMPLE_COMPARISON |
                       D3D12_FORMAT_SUPPORT1_SHADER_GATHER_COMPARISON;
        }
    }
    if (HasUse(format, kUseRender) && (image & VK_FORMAT_FEATURE_COLOR_ATTACHMENT_BIT) != 0) {
        support |= D3D12_FORMAT_SUPPORT1_RENDER_TARGET;
        if (HasUse(format, kUseBlend) &&
            (image & VK_FORMAT_FEATURE_COLOR_ATTACHMENT_BLEND_BIT) != 0) {
            support |= D3D12_FORMAT_SUPPORT1_BLENDABLE;
        }
    }
    if (IsDepthFormat(format) && (image & VK_FORMAT_FEATURE_DEPTH_STENCIL_ATTACHMENT_BIT) != 0) {
        support |= D3D12_FORMAT_SUPPORT1_DEPTH_STENCIL;
    }
    const bool target = HasUse(format, kUseRender) || IsDepthFormat(format);
    if (target && HasUse(format, kUseMultisample) &&
        (support & (D3D12_FORMAT_SUPPORT1_RENDER_TARGET | D3D12_FORMAT_SUPPORT1_DEPTH_STENCIL)) &&
        (samples & ~VkSampleCountFlags(VK_SAMPLE_COUNT_1_BIT)) != 0) {
        support |=
            D3D12_FORMAT_SUPPORT1_MULTISAMPLE_RENDERTARGET | D3D12_FORMAT_SUPPORT1_MULTISAMPLE_LOAD;
        if (!IsDepthFormat(format)) {
            support |= D3D12_FORMAT_SUPPORT1_MULTISAMPLE_RESOLVE;
        }
    }
    return support;
}

// Typed unordered access: stores where the device has storage images of the
// format; loads of the single 32-bit formats on every device, of the others
// where it reads storage images without a format in the shader.
UINT UnorderedAccessSupport(const vk_core::VulkanContext& context, const FormatInfo& format,
                            VkFormatFeatureFlags image, UINT* support2) {
    if (!HasUse(format, kUseUav) || (image & VK_FORMAT_FEATURE_STORAGE_IMAGE_BIT) == 0 ||
        !context.features.unorderedAccess) {
        return 0;
    }
    const bool single32 = format.dxgi == DXGI_FORMAT_R32_FLOAT ||
                          format.dxgi == DXGI_FORMAT_R32_UINT ||
                          format.dxgi == DXGI_FORMAT_R32_SINT;
    const bool load = single32 || context.features.storageReadWithoutFormat;
    *support2 =
        D3D12_FORMAT_SUPPORT2_UAV_TYPED_STORE | (load ? D3D12_FORMAT_SUPPORT2_UAV_TYPED_LOAD : 0);
    return D3D12_FORMAT_SUPPORT1_TYPED_UNORDERED_ACCESS_VIEW;
}

// What one format can do: its uses at feature level 11_0 ("Format Support for
// Direct3D Feature Level 11.0 Hardware") less what the Vulkan device lacks.
HRESULT AnswerFormatSupport(const vk_core::VulkanContext& context,
                            D3D12_FEATURE_DATA_FORMAT_SUPPORT* data) {
    data->Support1 = D3D12_FORMAT_SUPPORT1_NONE;
    data->Support2 = D3D12_FORMAT_SUPPORT2_NONE;
    if (data->Format == DXGI_FORMAT_UNKNOWN) {
        data->Support1 = D3D12_FORMAT_SUPPORT1_BUFFER;
        return S_OK;
    }
    const FormatInfo* format = FindFormat(data->Format);
    if (format == nullptr) {
        return E_FAIL;
    }
    VkFormatProperties properties{};
    vkGetPhysicalDeviceFormatProperties(context.physicalDevice, format->vulkan, &properties);
    const VkFormatFeatureFlags image = properties.optimalTilingFeatures;
    UINT support = 0;
    if (HasUse(*format, kUseBuffer) || (IsTypeless(*format) && format->blockSize == 1 &&
                                        format->aspect == VK_IMAGE_ASPECT_COLOR_BIT)) {
        support |= D3D12_FORMAT_SUPPORT1_BUFFER;
    }
    if (HasUse(*format, kUseVertex) &&
        (properties.bufferFeatures & VK_FORMAT_FEATURE_VERTEX_BUFFER_BIT) != 0) {
        support |= D3D12_FORMAT_SUPPORT1_IA_VERTEX_BUFFER;
    }
    if (data->Format == DXGI_FORMAT_R16_UINT || data->Format == DXGI_FORMAT_R32_UINT) {
        support |= D3D12_FORMAT_SUPPORT1_IA_INDEX_BUFFER;
    }
    support |= TextureSupport(
        *format, image, RenderableSampleCounts(context, format->vulkan, IsDepthFormat(*format)));
    UINT support2 = 0;
    support |= UnorderedAccessSupport(context, *format, image, &support2);
    data->Support1 = D3D12_FORMAT_SUPPORT1(support);
    data->Support2 = D3D12_FORMAT_SUPPORT2(support2);
    return S_OK;
}

// One quality level (the standard pattern) for each sample count the device
// renders the format with; none for other counts.
HRESULT AnswerMultisampleQuality(const vk_core::VulkanContext& context,
                                 D3D12_FEATURE_DATA_MULTISAMPLE_QUALITY_LEVELS* data) {
    const FormatInfo* format = FindFormat(data->Format);
    if (data->Format != DXGI_FORMAT_UNKNOWN && format == nullptr) {
        data->NumQualityLevels = 0;
        return E_FAIL;
    }
    VkSampleCountFlagBits samples = SampleCountBit(data->SampleCount);
    VkSampleCountFlags supported =
        format != nullptr
            ? RenderableSampleCounts(context, format->vulkan,
                                     (format->aspect & VK_IMAGE_ASPECT_DEPTH_BIT) != 0)
            : VkSampleCountFlags(VK_SAMPLE_COUNT_1_BIT);
    data->Flags = D3D12_MULTISAMPLE_QUALITY_LEVELS_FLAG_NONE;
    data->NumQualityLevels = (supported & samples) != 0 ? 1 : 0;
    return S_OK;
}

HRESULT AnswerFormatInfo(D3D12_FEATURE_DATA_FORMAT_INFO* data) {
    const FormatInfo* format = FindFormat(data->Format);
    if (format == nullptr && data->Format != DXGI_FORMAT_UNKNOWN) {
        return E_INVALIDARG;
    }
    const bool stencil = format != nullptr && (format->aspect & VK_IMAGE_ASPECT_STENCIL_BIT) != 0;
    data->PlaneCount = stencil ? 2 : 1;
    return S_OK;
}

HRESULT AnswerShaderModel(D3D12_FEATURE_DATA_SHADER_MODEL* data) {
    if (data->HighestShaderModel < D3D_SHADER_MODEL_5_1) {
        return E_INVALIDARG;
    }
    data->HighestShaderModel = std::min(data->HighestShaderModel, kHighestShaderModel);
    return S_OK;
}

HRESULT AnswerRootSignature(D3D12_FEATURE_DATA_ROOT_SIGNATURE* data) {
    if (data->HighestVersion < D3D_ROOT_SIGNATURE_VERSION_1_0) {
        return E_INVALIDARG;
    }
    data->HighestVersion = std::min(data->HighestVersion, D3D_ROOT_SIGNATURE_VERSION_1_1);
    return S_OK;
}

// The structure a feature's data must be; 0 for features not answered.
UINT DataSize(D3D12_FEATURE feature) {
    switch (feature) {
    case D3D12_FEATURE_D3D12_OPTIONS:
        return sizeof(D3D12_FEATURE_DATA_D3D12_OPTIONS);
    case D3D12_FEATURE_ARCHITECTURE:
        return sizeof(D3D12_FEATURE_DATA_ARCHITECTURE);
    case D3D12_FEATURE_FEATURE_LEVELS:
        return sizeof(D3D12_FEATURE_DATA_FEATURE_LEVELS);
    case D3D12_FEATURE_FORMAT_SUPPORT:
        return sizeof(D3D12_FEATURE_DATA_FORMAT_SUPPORT);
    case D3D12_FEATURE_MULTISAMPLE_QUALITY_LEVELS:
        return sizeof(D3D12_FEATURE_DATA_MULTISAMPLE_QUALITY_LEVELS);
    case D3D12_FEATURE_FORMAT_INFO:
        return sizeof(D3D12_FEATURE_DATA_FORMAT_INFO);
    case D3D12_FEATURE_GPU_VIRTUAL_ADDRESS_SUPPORT:
        return sizeof(D3D12_FEATURE_DATA_GPU_VIRTUAL_ADDRESS_SUPPORT);
    case D3D12_FEATURE_SHADER_MODEL:
        return sizeof(D3D12_FEATURE_DATA_SHADER_MODEL);
    case D3D12_FEATURE_D3D12_OPTIONS2:
        return sizeof(D3D12_FEATURE_DATA_D3D12_OPTIONS2);
    case D3D12_FEATURE_ROOT_SIGNATURE:
        return sizeof(D3D12_FEATURE_DATA_ROOT_SIGNATURE);
    default:
        return 0;
    }
}

template <typename Data> Data* As(void* data) {
    return static_cast<Data*>(data);
}

} // namespace

HRESULT STDMETHODCALLTYPE D3D12Device::CheckFeatureSupport(D3D12_FEATURE feature, void* data,
                                                           UINT size) {
    const UINT expected = DataSize(feature);
    if (expected == 0) {
        STANDIN_NOT_IMPLEMENTED("ID3D12Device::CheckFeatureSupport of this feature");
        return E_INVALIDARG;
    }
    if (data == nullptr || size != expected) {
        standin::ReportWindows(standin::messages::DEVICE_CHECKFEATURESUPPORT_MISMATCHED_DATA_SIZE,
                               nullptr, "ID3D12Device::CheckFeatureSupport", size,
                               FeatureName(feature), expected);
        return E_INVALIDARG;
    }
    const vk_core::VulkanContext& context = *Context();
    switch (feature) {
    case D3D12_FEATURE_D3D12_OPTIONS:
        AnswerOptions(context, As<D3D12_FEATURE_DATA_D3D12_OPTIONS>(data));
        return S_OK;
    case D3D12_FEATURE_ARCHITECTURE:
        if (As<D3D12_FEATURE_DATA_ARCHITECTURE>(data)->NodeIndex != 0) {
            return E_INVALIDARG; // one node
        }
        AnswerArchitecture(context, As<D3D12_FEATURE_DATA_ARCHITECTURE>(data));
        return S_OK;
    case D3D12_FEATURE_FEATURE_LEVELS:
        return AnswerFeatureLevels(As<D3D12_FEATURE_DATA_FEATURE_LEVELS>(data));
    case D3D12_FEATURE_FORMAT_SUPPORT:
        return AnswerFormatSupport(context, As<D3D12_FEATURE_DATA_FORMAT_SUPPORT>(data));
    case D3D12_FEATURE_MULTISAMPLE_QUALITY_LEVELS:
        return AnswerMultisampleQuality(context,
                                        As<D3D12_FEATURE_DATA_MULTISAMPLE_QUALITY_LEVELS>(data));
    case D3D12_FEATURE_FORMAT_INFO:
        return AnswerFormatInfo(As<D3D12_FEATURE_DATA_FORMAT_INFO>(data));
    case D3D12_FEATURE_GPU_VIRTUAL_ADDRESS_SUPPORT:
        *As<D3D12_FEATURE_DATA_GPU_VIRTUAL_ADDRESS_SUPPORT>(data) = {kVirtualAddressBits,
                                                                     kVirtualAddressBits};
        return S_OK;
    case D3D12_FEATURE_SHADER_MODEL:
        return AnswerShaderModel(As<D3D12_FEATURE_DATA_SHADER_MODEL>(data));
    case D3D12_FEATURE_D3D12_OPTIONS2:
        // No depth-bounds test and no programmable sample positions.
        *As<D3D12_FEATURE_DATA_D3D12_OPTIONS2>(data) = {
            FALSE, D3D12_PROGRAMMABLE_SAMPLE_POSITIONS_TIER_NOT_SUPPORTED};
        return S_OK;
    case D3D12_FEATURE_ROOT_SIGNATURE:
        return AnswerRootSignature(As<D3D12_FEATURE_DATA_ROOT_SIGNATURE>(data));
    default:
        return E_INVALIDARG;
    }
}

} // namespace d3d12_standin
