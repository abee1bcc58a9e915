// DXGI formats the stand-in understands, with their Vulkan equivalents and
// what Direct3D 12 lets each be used for at feature level 11_0.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <vulkan/vulkan.h>

#include <cstdint>

namespace d3d12_standin {

// The uses of the "Format Support for Direct3D Feature Level 11.0 Hardware"
// tables; the Vulkan device may lack some.
enum FormatUse : uint16_t {
    kUseTexture = 1 << 0,     // a texture may be made in it
    kUseLoad = 1 << 1,        // shaders Load it (and read it through a view)
    kUseSample = 1 << 2,      // shaders sample it with filtering
    kUseCompare = 1 << 3,     // SampleCmp
    kUseRender = 1 << 4,      // render target
    kUseBlend = 1 << 5,       // blended render target
    kUseDepth = 1 << 6,       // depth-stencil target
    kUseUav = 1 << 7,         // typed unordered access
    kUseVertex = 1 << 8,      // vertex buffer element
    kUseMultisample = 1 << 9, // multisampled target
    kUseBuffer = 1 << 10,     // typed buffer view
};

// How a view reads the Vulkan format's components where they differ.
enum class FormatSwizzle : uint8_t {
    Identity,
    OpaqueAlpha, // B8G8R8X8: alpha reads 1
    AlphaOnly,   // A8_UNORM, made as R8: reads (0, 0, 0, a)
    Stencil,     // X24_TYPELESS_G8_UINT and friends: stencil in green
};

struct FormatInfo {
    DXGI_FORMAT dxgi;
    const char* name; // as the debug layer prints it, without DXGI_FORMAT_
    // Typeless formats: the format their images are made in (a colour one,
    // or the depth one where the family has only depth members).
    VkFormat vulkan;
    uint32_t bytesPerBlock;    // a texel, or a 4x4 block when blockSize is 4
    uint32_t blockSize;        // 1, or 4 for block-compressed formats
    VkImageAspectFlags aspect; // what a view in this format reads
    DXGI_FORMAT family;        // the typeless format it casts within; UNKNOWN: none
    FormatSwizzle swizzle;
    uint16_t uses;
};

// Null for DXGI_FORMAT_UNKNOWN and formats outside the table.
const FormatInfo* FindFormat(DXGI_FORMAT format);

// The member of `info`'s family that depth targets are made in, or null.
const FormatInfo* DepthMemberOf(const FormatInfo& info);

inline bool HasUse(const FormatInfo& info, FormatUse use) {
    return (info.uses & use) != 0;
}

// Whether `format`, or a member of its family where it is typeless, has `use`.
bool FamilyHasUse(const FormatInfo& format, FormatUse use);

// Whether a view in `view` may be made of a resource made in `resource`:
// the same format, or both of one typeless family with the resource's the
// typeless one.
bool CastableTo(const FormatInfo& resource, const FormatInfo& view);

inline bool IsTypeless(const FormatInfo& info) {
    return info.family == info.dxgi;
}

// A depth-stencil format (D32_FLOAT and the like, not their typeless views).
inline bool IsDepthFormat(const FormatInfo& info) {
    return (info.uses & kUseDepth) != 0;
}

// Bytes in a row of `width` texels, whole blocks for block-compressed formats.
inline uint64_t RowBytes(const FormatInfo& info, uint64_t width) {
    return (width + info.blockSize - 1) / info.blockSize * info.bytesPerBlock;
}

} // namespace d3d12_standin
