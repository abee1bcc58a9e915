#include "format_table.h"

#include <array>

namespace d3d12_standin {
namespace {

constexpr VkImageAspectFlags kColor = VK_IMAGE_ASPECT_COLOR_BIT;
constexpr VkImageAspectFlags kDepth = VK_IMAGE_ASPECT_DEPTH_BIT;
constexpr VkImageAspectFlags kStencil = VK_IMAGE_ASPECT_STENCIL_BIT;
constexpr VkImageAspectFlags kDepthStencil = kDepth | kStencil;

// The uses of each kind of format, from Microsoft's "Format Support for
// Direct3D Feature Level 11.0 Hardware" tables (required support only).
constexpr uint16_t kTypeless = kUseTexture;
constexpr uint16_t kFloat = kUseTexture | kUseLoad | kUseSample | kUseRender | kUseBlend | kUseUav |
                            kUseVertex | kUseMultisample | kUseBuffer;
constexpr uint16_t kInteger =
    kUseTexture | kUseLoad | kUseRender | kUseUav | kUseVertex | kUseMultisample | kUseBuffer;
constexpr uint16_t kSrgb =
    kUseTexture | kUseLoad | kUseSample | kUseRender | kUseBlend | kUseMultisample;
constexpr uint16_t kFloat3 = kUseTexture | kUseLoad | kUseSample | kUseVertex | kUseBuffer;
constexpr uint16_t kInteger3 = kUseTexture | kUseLoad | kUseVertex | kUseBuffer;
constexpr uint16_t kDepthTarget = kUseTexture | kUseDepth | kUseMultisample;
constexpr uint16_t kDepthRead = kUseLoad | kUseSample | kUseCompare;
constexpr uint16_t kStencilRead = kUseLoad;
constexpr uint16_t kCompressed = kUseTexture | kUseLoad | kUseSample;
constexpr uint16_t kPacked16 =
    kUseTexture | kUseLoad | kUseSample | kUseRender | kUseBlend | kUseMultisample;

#define FORMAT(name_, vulkan_, bytes_, aspect_, family_, uses_)                                    \
    {                                                                                              \
        DXGI_FORMAT_##name_, #name_, vulkan_, bytes_, 1, aspect_, DXGI_FORMAT_##family_,           \
            FormatSwizzle::Identity, uses_                                                         \
    }
#define SWIZZLED(name_, vulkan_, bytes_, aspect_, family_, swizzle_, uses_)                        \
    {                                                                                              \
        DXGI_FORMAT_##name_, #name_, vulkan_, bytes_, 1, aspect_, DXGI_FORMAT_##family_,           \
            FormatSwizzle::swizzle_, uses_                                                         \
    }
#define BLOCKS(name_, vulkan_, bytes_, family_, uses_)                                             \
    {                                                                                              \
        DXGI_FORMAT_##name_, #name_, vulkan_, bytes_, 4, kColor, DXGI_FORMAT_##family_,            \
            FormatSwizzle::Identity, uses_                                                         \
    }

constexpr FormatInfo kFormats[] = {
    FORMAT(R32G32B32A32_TYPELESS, VK_FORMAT_R32G32B32A32_UINT, 16, kColor, R32G32B32A32_TYPELESS,
           kTypeless),
    FORMAT(R32G32B32A32_FLOAT, VK_FORMAT_R32G32B32A32_SFLOAT, 16, kColor, R32G32B32A32_TYPELESS,
           kFloat),
    FORMAT(R32G32B32A32_UINT, VK_FORMAT_R32G32B32A32_UINT, 16, kColor, R32G32B32A32_TYPELESS,
           kInteger),
    FORMAT(R32G32B32A32_SINT, VK_FORMAT_R32G32B32A32_SINT, 16, kColor, R32G32B32A32_TYPELESS,
           kInteger),
    FORMAT(R32G32B32_TYPELESS, VK_FORMAT_R32G32B32_UINT, 12, kColor, R32G32B32_TYPELESS, kTypeless),
    FORMAT(R32G32B32_FLOAT, VK_FORMAT_R32G32B32_SFLOAT, 12, kColor, R32G32B32_TYPELESS, kFloat3),
    FORMAT(R32G32B32_UINT, VK_FORMAT_R32G32B32_UINT, 12, kColor, R32G32B32_TYPELESS, kInteger3),
    FORMAT(R32G32B32_SINT, VK_FORMAT_R32G32B32_SINT, 12, kColor, R32G32B32_TYPELESS, kInteger3),
    FORMAT(R16G16B16A16_TYPELESS, VK_FORMAT_R16G16B16A16_UINT, 8, kColor, R16G16B16A16_TYPELESS,
           kTypeless),
    FORMAT(R16G16B16A16_FLOAT, VK_FORMAT_R16G16B16A16_SFLOAT, 8, kColor, R16G16B16A16_TYPELESS,
           kFloat),
    FORMAT(R16G16B16A16_UNORM, VK_FORMAT_R16G16B16A16_UNORM, 8, kColor, R16G16B16A16_TYPELESS,
           kFloat),
    FORMAT(R16G16B16A16_UINT, VK_FORMAT_R16G16B16A16_UINT, 8, kColor, R16G16B16A16_TYPELESS,
           kInteger),
    FORMAT(R16G16B16A16_SNORM, VK_FORMAT_R16G16B16A16_SNORM, 8, kColor, R16G16B16A16_TYPELESS,
           kFloat),
    FORMAT(R16G16B16A16_SINT, VK_FORMAT_R16G16B16A16_SINT, 8, kColor, R16G16B16A16_TYPELESS,
           kInteger),
    FORMAT(R32G32_TYPELESS, VK_FORMAT_R32G32_UINT, 8, kColor, R32G32_TYPELESS, kTypeless),
    FORMAT(R32G32_FLOAT, VK_FORMAT_R32G32_SFLOAT, 8, kColor, R32G32_TYPELESS, kFloat),
    FORMAT(R32G32_UINT, VK_FORMAT_R32G32_UINT, 8, kColor, R32G32_TYPELESS, kInteger),
    FORMAT(R32G32_SINT, VK_FORMAT_R32G32_SINT, 8, kColor, R32G32_TYPELESS, kInteger),
    FORMAT(R32G8X24_TYPELESS, VK_FORMAT_D32_SFLOAT_S8_UINT, 8, kDepthStencil, R32G8X24_TYPELESS,
           kTypeless),
    FORMAT(D32_FLOAT_S8X24_UINT, VK_FORMAT_D32_SFLOAT_S8_UINT, 8, kDepthStencil, R32G8X24_TYPELESS,
           kDepthTarget),
    FORMAT(R32_FLOAT_X8X24_TYPELESS, VK_FORMAT_D32_SFLOAT_S8_UINT, 8, kDepth, R32G8X24_TYPELESS,
           kDepthRead),
    SWIZZLED(X32_TYPELESS_G8X24_UINT, VK_FORMAT_D32_SFLOAT_S8_UINT, 8, kStencil, R32G8X24_TYPELESS,
             Stencil, kStencilRead),
    FORMAT(R10G10B10A2_TYPELESS, VK_FORMAT_A2B10G10R10_UINT_PACK32, 4, kColor, R10G10B10A2_TYPELESS,
           kTypeless),
    FORMAT(R10G10B10A2_UNORM, VK_FORMAT_A2B10G10R10_UNORM_PACK32, 4, kColor, R10G10B10A2_TYPELESS,
           kFloat),
    FORMAT(R10G10B10A2_UINT, VK_FORMAT_A2B10G10R10_UINT_PACK32, 4, kColor, R10G10B10A2_TYPELESS,
           kInteger),
    FORMAT(R11G11B10_FLOAT, VK_FORMAT_B10G11R11_UFLOAT_PACK32, 4, kColor, UNKNOWN,
           kFloat & ~kUseVertex),
    FORMAT(R8G8B8A8_TYPELESS, VK_FORMAT_R8G8B8A8_UNORM, 4, kColor, R8G8B8A8_TYPELESS, kTypeless),
    FORMAT(R8G8B8A8_UNORM, VK_FORMAT_R8G8B8A8_UNORM, 4, kColor, R8G8B8A8_TYPELESS, kFloat),
    FORMAT(R8G8B8A8_UNORM_SRGB, VK_FORMAT_R8G8B8A8_SRGB, 4, kColor, R8G8B8A8_TYPELESS, kSrgb),
    FORMAT(R8G8B8A8_UINT, VK_FORMAT_R8G8B8A8_UINT, 4, kColor, R8G8B8A8_TYPELESS, kInteger),
    FORMAT(R8G8B8A8_SNORM, VK_FORMAT_R8G8B8A8_SNORM, 4, kColor, R8G8B8A8_TYPELESS, kFloat),
    FORMAT(R8G8B8A8_SINT, VK_FORMAT_R8G8B8A8_SINT, 4, kColor, R8G8B8A8_TYPELESS, kInteger),
    FORMAT(R16G16_TYPELESS, VK_FORMAT_R16G16_UINT, 4, kColor, R16G16_TYPELESS, kTypeless),
    FORMAT(R16G16_FLOAT, VK_FORMAT_R16G16_SFLOAT, 4, kColor, R16G16_TYPELESS, kFloat),
    FORMAT(R16G16_UNORM, VK_FORMAT_R16G16_UNORM, 4, kColor, R16G16_TYPELESS, kFloat),
    FORMAT(R16G16_UINT, VK_FORMAT_R16G16_UINT, 4, kColor, R16G16_TYPELESS, kInteger),
    FORMAT(R16G16_SNORM, VK_FORMAT_R16G16_SNORM, 4, kColor, R16G16_TYPELESS, kFloat),
    FORMAT(R16G16_SINT, VK_FORMAT_R16G16_SINT, 4, kColor, R16G16_TYPELESS, kInteger),
    FORMAT(R32_TYPELESS, VK_FORMAT_R32_UINT, 4, kColor, R32_TYPELESS, kTypeless),
    FORMAT(D32_FLOAT, VK_FORMAT_D32_SFLOAT, 4, kDepth, R32_TYPELESS, kDepthTarget),
    FORMAT(R32_FLOAT, VK_FORMAT_R32_SFLOAT, 4, kColor, R32_TYPELESS, kFloat | kUseCompare),
    FORMAT(R32_UINT, VK_FORMAT_R32_UINT, 4, kColor, R32_TYPELESS, kInteger),
    FORMAT(R32_SINT, VK_FORMAT_R32_SINT, 4, kColor, R32_TYPELESS, kInteger),
    FORMAT(R24G8_TYPELESS, VK_FORMAT_D24_UNORM_S8_UINT, 4, kDepthStencil, R24G8_TYPELESS,
           kTypeless),
    FORMAT(D24_UNORM_S8_UINT, VK_FORMAT_D24_UNORM_S8_UINT, 4, kDepthStencil, R24G8_TYPELESS,
           kDepthTarget),
    FORMAT(R24_UNORM_X8_TYPELESS, VK_FORMAT_D24_UNORM_S8_UINT, 4, kDepth, R24G8_TYPELESS,
           kDepthRead),
    SWIZZLED(X24_TYPELESS_G8_UINT, VK_FORMAT_D24_UNORM_S8_UINT, 4, kStencil, R24G8_TYPELESS,
             Stencil, kStencilRead),
    FORMAT(R8G8_TYPELESS, VK_FORMAT_R8G8_UNORM, 2, kColor, R8G8_TYPELESS, kTypeless),
    FORMAT(R8G8_UNORM, VK_FORMAT_R8G8_UNORM, 2, kColor, R8G8_TYPELESS, kFloat),
    FORMAT(R8G8_UINT, VK_FORMAT_R8G8_UINT, 2, kColor, R8G8_TYPELESS, kInteger),
    FORMAT(R8G8_SNORM, VK_FORMAT_R8G8_SNORM, 2, kColor, R8G8_TYPELESS, kFloat),
    FORMAT(R8G8_SINT, VK_FORMAT_R8G8_SINT, 2, kColor, R8G8_TYPELESS, kInteger),
    FORMAT(R16_TYPELESS, VK_FORMAT_R16_UNORM, 2, kColor, R16_TYPELESS, kTypeless),
    FORMAT(R16_FLOAT, VK_FORMAT_R16_SFLOAT, 2, kColor, R16_TYPELESS, kFloat),
    FORMAT(D16_UNORM, VK_FORMAT_D16_UNORM, 2, kDepth, R16_TYPELESS, kDepthTarget),
    FORMAT(R16_UNORM, VK_FORMAT_R16_UNORM, 2, kColor, R16_TYPELESS, kFloat | kUseCompare),
    FORMAT(R16_UINT, VK_FORMAT_R16_UINT, 2, kColor, R16_TYPELESS, kInteger),
    FORMAT(R16_SNORM, VK_FORMAT_R16_SNORM, 2, kColor, R16_TYPELESS, kFloat),
    FORMAT(R16_SINT, VK_FORMAT_R16_SINT, 2, kColor, R16_TYPELESS, kInteger),
    FORMAT(R8_TYPELESS, VK_FORMAT_R8_UNORM, 1, kColor, R8_TYPELESS, kTypeless),
    FORMAT(R8_UNORM, VK_FORMAT_R8_UNORM, 1, kColor, R8_TYPELESS, kFloat),
    FORMAT(R8_UINT, VK_FORMAT_R8_UINT, 1, kColor, R8_TYPELESS, kInteger),
    FORMAT(R8_SNORM, VK_FORMAT_R8_SNORM, 1, kColor, R8_TYPELESS, kFloat),
    FORMAT(R8_SINT, VK_FORMAT_R8_SINT, 1, kColor, R8_TYPELESS, kInteger),
    // Made as R8 and read through a swizzle, which attachments and storage
    // images cannot take: render targets, unordered access and buffer views
    // are not offered.
    SWIZZLED(A8_UNORM, VK_FORMAT_R8_UNORM, 1, kColor, UNKNOWN, AlphaOnly,
             kUseTexture | kUseLoad | kUseSample),
    FORMAT(R9G9B9E5_SHAREDEXP, VK_FORMAT_E5B9G9R9_UFLOAT_PACK32, 4, kColor, UNKNOWN,
           kUseTexture | kUseLoad | kUseSample),
    BLOCKS(BC1_TYPELESS, VK_FORMAT_BC1_RGBA_UNORM_BLOCK, 8, BC1_TYPELESS, kTypeless),
    BLOCKS(BC1_UNORM, VK_FORMAT_BC1_RGBA_UNORM_BLOCK, 8, BC1_TYPELESS, kCompressed),
    BLOCKS(BC1_UNORM_SRGB, VK_FORMAT_BC1_RGBA_SRGB_BLOCK, 8, BC1_TYPELESS, kCompressed),
    BLOCKS(BC2_TYPELESS, VK_FORMAT_BC2_UNORM_BLOCK, 16, BC2_TYPELESS, kTypeless),
    BLOCKS(BC2_UNORM, VK_FORMAT_BC2_UNORM_BLOCK, 16, BC2_TYPELESS, kCompressed),
    BLOCKS(BC2_UNORM_SRGB, VK_FORMAT_BC2_SRGB_BLOCK, 16, BC2_TYPELESS, kCompressed),
    BLOCKS(BC3_TYPELESS, VK_FORMAT_BC3_UNORM_BLOCK, 16, BC3_TYPELESS, kTypeless),
    BLOCKS(BC3_UNORM, VK_FORMAT_BC3_UNORM_BLOCK, 16, BC3_TYPELESS, kCompressed),
    BLOCKS(BC3_UNORM_SRGB, VK_FORMAT_BC3_SRGB_BLOCK, 16, BC3_TYPELESS, kCompressed),
    BLOCKS(BC4_TYPELESS, VK_FORMAT_BC4_UNORM_BLOCK, 8, BC4_TYPELESS, kTypeless),
    BLOCKS(BC4_UNORM, VK_FORMAT_BC4_UNORM_BLOCK, 8, BC4_TYPELESS, kCompressed),
    BLOCKS(BC4_SNORM, VK_FORMAT_BC4_SNORM_BLOCK, 8, BC4_TYPELESS, kCompressed),
    BLOCKS(BC5_TYPELESS, VK_FORMAT_BC5_UNORM_BLOCK, 16, BC5_TYPELESS, kTypeless),
    BLOCKS(BC5_UNORM, VK_FORMAT_BC5_UNORM_BLOCK, 16, BC5_TYPELESS, kCompressed),
    BLOCKS(BC5_SNORM, VK_FORMAT_BC5_SNORM_BLOCK, 16, BC5_TYPELESS, kCompressed),
    FORMAT(B5G6R5_UNORM, VK_FORMAT_R5G6B5_UNORM_PACK16, 2, kColor, UNKNOWN, kPacked16),
    FORMAT(B5G5R5A1_UNORM, VK_FORMAT_A1R5G5B5_UNORM_PACK16, 2, kColor, UNKNOWN, kPacked16),
    FORMAT(B8G8R8A8_UNORM, VK_FORMAT_B8G8R8A8_UNORM, 4, kColor, B8G8R8A8_TYPELESS,
           kSrgb | kUseVertex | kUseBuffer),
    SWIZZLED(B8G8R8X8_UNORM, VK_FORMAT_B8G8R8A8_UNORM, 4, kColor, B8G8R8X8_TYPELESS, OpaqueAlpha,
             kSrgb),
    FORMAT(B8G8R8A8_TYPELESS, VK_FORMAT_B8G8R8A8_UNORM, 4, kColor, B8G8R8A8_TYPELESS, kTypeless),
    FORMAT(B8G8R8A8_UNORM_SRGB, VK_FORMAT_B8G8R8A8_SRGB, 4, kColor, B8G8R8A8_TYPELESS, kSrgb),
    SWIZZLED(B8G8R8X8_TYPELESS, VK_FORMAT_B8G8R8A8_UNORM, 4, kColor, B8G8R8X8_TYPELESS, OpaqueAlpha,
             kTypeless),
    SWIZZLED(B8G8R8X8_UNORM_SRGB, VK_FORMAT_B8G8R8A8_SRGB, 4, kColor, B8G8R8X8_TYPELESS,
             OpaqueAlpha, kSrgb),
    BLOCKS(BC6H_TYPELESS, VK_FORMAT_BC6H_UFLOAT_BLOCK, 16, BC6H_TYPELESS, kTypeless),
    BLOCKS(BC6H_UF16, VK_FORMAT_BC6H_UFLOAT_BLOCK, 16, BC6H_TYPELESS, kCompressed),
    BLOCKS(BC6H_SF16, VK_FORMAT_BC6H_SFLOAT_BLOCK, 16, BC6H_TYPELESS, kCompressed),
    BLOCKS(BC7_TYPELESS, VK_FORMAT_BC7_UNORM_BLOCK, 16, BC7_TYPELESS, kTypeless),
    BLOCKS(BC7_UNORM, VK_FORMAT_BC7_UNORM_BLOCK, 16, BC7_TYPELESS, kCompressed),
    BLOCKS(BC7_UNORM_SRGB, VK_FORMAT_BC7_SRGB_BLOCK, 16, BC7_TYPELESS, kCompressed),
    // DXGI lists B4G4R4A4 from its lowest bits: blue in 0-3, alpha in 12-15,
    // which is Vulkan's A4R4G4B4 (named from the highest bits).
    FORMAT(B4G4R4A4_UNORM, VK_FORMAT_A4R4G4B4_UNORM_PACK16, 2, kColor, UNKNOWN, kPacked16),
};

#undef FORMAT
#undef SWIZZLED
#undef BLOCKS

constexpr size_t kFormatIndexSize = size_t(DXGI_FORMAT_B4G4R4A4_UNORM) + 1;

} // namespace

const FormatInfo* FindFormat(DXGI_FORMAT format) {
    // Indexed by DXGI's numbering, built once: formats are looked up as
    // resources, views and pipelines are made, and as copies record.
    static const std::array<const FormatInfo*, kFormatIndexSize> index = [] {
        std::array<const FormatInfo*, kFormatIndexSize> built{};
        for (const FormatInfo& info : kFormats) {
            built[size_t(info.dxgi)] = &info;
        }
        return built;
    }();
    size_t at = size_t(format);
    return at < index.size() ? index[at] : nullptr;
}

const FormatInfo* DepthMemberOf(const FormatInfo& info) {
    if (info.family == DXGI_FORMAT_UNKNOWN) {
        return nullptr;
    }
    for (const FormatInfo& member : kFormats) {
        if (member.family == info.family && IsDepthFormat(member)) {
            return &member;
        }
    }
    return nullptr;
}

bool FamilyHasUse(const FormatInfo& format, FormatUse use) {
    if (!IsTypeless(format)) {
        return HasUse(format, use);
    }
    for (const FormatInfo& member : kFormats) {
        if (member.family == format.family && HasUse(member, use)) {
            return true;
        }
    }
    return false;
}

bool CastableTo(const FormatInfo& resource, const FormatInfo& view) {
    return resource.dxgi == view.dxgi ||
           (IsTypeless(resource) && view.family == resource.family && !IsTypeless(view));
}

} // namespace d3d12_standin
