// CopyTextureRegion: placed footprint <-> subresource, and subresource <-> subresource;
// CopyResource: a whole resource into another alike.
#include "d3d12_command_list.h"

#include "d3d12_resource.h"
#include "debug_text.h"
#include "format_table.h"

#include <debug_messages.h>

#include <algorithm>

namespace d3d12_standin {
namespace {

struct Subresource {
    std::shared_ptr<GpuImage> image;
    uint32_t mip, layer, width, height, depth;
};

bool ReadSubresource(const D3D12_TEXTURE_COPY_LOCATION& location, Subresource* out) {
    D3D12Resource* resource = D3D12Resource::FromInterface(location.pResource);
    if (resource == nullptr || resource->Image() == nullptr) {
        return false;
    }
    const GpuImage& image = *resource->Image();
    uint32_t index = location.SubresourceIndex;
    if (index >= image.mipLevels * image.arrayLayers) {
        return false;
    }
    out->image = resource->Image();
    out->mip = index % image.mipLevels;
    out->layer = index / image.mipLevels;
    out->width = image.width >> out->mip ? image.width >> out->mip : 1;
    out->height = image.height >> out->mip ? image.height >> out->mip : 1;
    out->depth = image.depth >> out->mip ? image.depth >> out->mip : 1;
    return true;
}

uint32_t AlignTo(uint32_t value, uint32_t block) {
    return (value + block - 1) / block * block;
}

// Copies between textures need the same format or two of one typeless family
// ("Must have compatible DXGI formats", ID3D12GraphicsCommandList::CopyResource).
// Vulkan copies between colour formats of one size, as a family's are, but
// not between a depth format and a colour one.
bool CompatibleFormats(const GpuImage& a, const GpuImage& b) {
    if (a.dxgiFormat == b.dxgiFormat) {
        return true;
    }
    const FormatInfo* first = FindFormat(a.dxgiFormat);
    const FormatInfo* second = FindFormat(b.dxgiFormat);
    const bool colour = a.aspect == VK_IMAGE_ASPECT_COLOR_BIT && b.aspect == a.aspect;
    return first != nullptr && second != nullptr && first->family != DXGI_FORMAT_UNKNOWN &&
           first->family == second->family && (a.format == b.format || colour);
}

bool InsideExtent(uint64_t origin, uint64_t size, uint64_t limit) {
    return origin <= limit && size <= limit - origin;
}

// A copy between two texture subresources of one format; the reason for a
// refusal, or null.
const char* TextureToTextureCopy(const Subresource& destination, UINT x, UINT y, UINT z,
                                 const Subresource& source, const D3D12_BOX* sourceBox,
                                 CmdCopyTextureTexture* copy) {
    D3D12_BOX box = sourceBox != nullptr
                        ? *sourceBox
                        : D3D12_BOX{0, 0, 0, source.width, source.height, source.depth};
    uint32_t width = box.right - box.left, height = box.bottom - box.top;
    uint32_t depth = box.back - box.front;
    if (box.right <= box.left || box.bottom <= box.top || box.back <= box.front ||
        !InsideExtent(box.left, width, source.width) ||
        !InsideExtent(box.top, height, source.height) ||
        !InsideExtent(box.front, depth, source.depth) ||
        !InsideExtent(x, width, destination.width) ||
        !InsideExtent(y, height, destination.height) ||
        !InsideExtent(z, depth, destination.depth) ||
        !CompatibleFormats(*destination.image, *source.image)) {
        return "the texture copy region is out of bounds or the formats differ";
    }
    if (destination.image->samples != source.image->samples ||
        destination.image->type != source.image->type) {
        return "the textures of a copy must have the same dimension and sample count";
    }
    *copy =
        CmdCopyTextureTexture{source.image,
                              destination.image,
                              source.mip,
                              source.layer,
                              destination.mip,
                              destination.layer,
                              VkOffset3D{int32_t(box.left), int32_t(box.top), int32_t(box.front)},
                              VkOffset3D{int32_t(x), int32_t(y), int32_t(z)},
                              VkExtent3D{width, height, depth},
                              CopyUses{}};
    return nullptr;
}

// The debug layer's check of a footprint's row pitch: a multiple of 256 bytes
// and at least one row of the footprint's width. False, reported, when not.
bool CheckRowPitch(const D3D12_TEXTURE_COPY_LOCATION& placed, bool isSource, const void* list) {
    const D3D12_SUBRESOURCE_FOOTPRINT& layout = placed.PlacedFootprint.Footprint;
    const FormatInfo* format = FindFormat(layout.Format);
    uint64_t rowSize = format != nullptr ? RowBytes(*format, layout.Width) : 0;
    if (layout.RowPitch % D3D12_TEXTURE_DATA_PITCH_ALIGNMENT == 0 && rowSize <= layout.RowPitch) {
        return true;
    }
    using namespace standin::messages;
    standin::ReportWindows(
        isSource ? COPYTEXTUREREGION_INVALIDSRCROWPITCH : COPYTEXTUREREGION_INVALIDDSTROWPITCH,
        list, "ID3D12CommandList::CopyTextureRegion", layout.RowPitch,
        unsigned(D3D12_TEXTURE_DATA_PITCH_ALIGNMENT), (unsigned long long)rowSize);
    return false;
}

// The buffer side of a footprint copy: a stand-in buffer, a format of the
// texture's texel size (R32_FLOAT footprints of D32 textures), aligned rows
// and offset.
const char* CheckFootprint(const D3D12_TEXTURE_COPY_LOCATION& placed, const Subresource& texture,
                           std::shared_ptr<GpuBuffer>* buffer, uint32_t* texel) {
    D3D12Resource* bufferResource = D3D12Resource::FromInterface(placed.pResource);
    if (bufferResource == nullptr || bufferResource->Buffer() == nullptr ||
        placed.Type != D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT) {
        return "the footprint location names no stand-in buffer";
    }
    if (texture.image->samples != VK_SAMPLE_COUNT_1_BIT) {
        return "a multisampled texture cannot be copied to or from a buffer";
    }
    const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint = placed.PlacedFootprint;
    const FormatInfo* format = FindFormat(footprint.Footprint.Format);
    if (format == nullptr || format->bytesPerBlock != texture.image->bytesPerBlock ||
        format->blockSize != texture.image->blockSize) {
        return "the footprint's format does not match the texture's texel size";
    }
    *texel = format->bytesPerBlock;
    const D3D12_SUBRESOURCE_FOOTPRINT& layout = footprint.Footprint;
    const uint32_t block = format->blockSize;
    if (layout.RowPitch % D3D12_TEXTURE_DATA_PITCH_ALIGNMENT != 0 ||
        layout.RowPitch % *texel != 0 || RowBytes(*format, layout.Width) > layout.RowPitch ||
        layout.Width % block != 0 || layout.Height % block != 0 ||
        footprint.Offset % D3D12_TEXTURE_DATA_PLACEMENT_ALIGNMENT != 0) {
        return "the footprint's row pitch or offset is not aligned";
    }
    *buffer = bufferResource->Buffer();
    return nullptr;
}

// A copy between a placed footprint and a texture subresource, `toTexture`
// telling the direction; the reason for a refusal, or null.
const char* BufferTextureCopy(bool toTexture, const D3D12_TEXTURE_COPY_LOCATION& placed,
                              const Subresource& texture, UINT x, UINT y, UINT z,
                              const D3D12_BOX* sourceBox, CmdCopyBufferTexture* copy) {
    std::shared_ptr<GpuBuffer> buffer;
    uint32_t texel = 0;
    if (const char* refusal = CheckFootprint(placed, texture, &buffer, &texel)) {
        return refusal;
    }
    const D3D12_PLACED_SUBRESOURCE_FOOTPRINT& footprint = placed.PlacedFootprint;
    const D3D12_SUBRESOURCE_FOOTPRINT& layout = footprint.Footprint;
    // The region: a box in the source, placed at (x, y, z) in the destination;
    // only 3-D textures have more than one slice of depth.
    // Block-compressed textures are copied in whole blocks: a mip smaller
    // than a block still covers one.
    const uint32_t block = texture.image->blockSize;
    const uint32_t textureWidth = AlignTo(texture.width, block);
    const uint32_t textureHeight = AlignTo(texture.height, block);
    uint32_t sourceWidth = toTexture ? layout.Width : textureWidth;
    uint32_t sourceHeight = toTexture ? layout.Height : textureHeight;
    uint32_t sourceDepth = toTexture ? layout.Depth : texture.depth;
    D3D12_BOX box = sourceBox != nullptr
                        ? *sourceBox
                        : D3D12_BOX{0, 0, 0, sourceWidth, sourceHeight, sourceDepth};
    uint32_t width = box.right - box.left, height = box.bottom - box.top;
    uint32_t depth = box.back - box.front;
    uint32_t destinationWidth = toTexture ? textureWidth : layout.Width;
    uint32_t destinationHeight = toTexture ? textureHeight : layout.Height;
    uint32_t destinationDepth = toTexture ? texture.depth : layout.Depth;
    if (box.right <= box.left || box.bottom <= box.top || box.back <= box.front ||
        !InsideExtent(box.left, width, sourceWidth) ||
        !InsideExtent(box.top, height, sourceHeight) ||
        !InsideExtent(box.front, depth, sourceDepth) || !InsideExtent(x, width, destinationWidth) ||
        !InsideExtent(y, height, destinationHeight) || !InsideExtent(z, depth, destinationDepth)) {
        return "the copy region is out of bounds";
    }
    if (box.left % block != 0 || box.top % block != 0 || x % block != 0 || y % block != 0 ||
        width % block != 0 || height % block != 0) {
        return "a block-compressed copy region must be made of whole blocks";
    }
    VkOffset3D sourceOffset{int32_t(box.left), int32_t(box.top), int32_t(box.front)};
    VkOffset3D destinationOffset{int32_t(x), int32_t(y), int32_t(z)};
    VkOffset3D footprintOffset = toTexture ? sourceOffset : destinationOffset;
    VkOffset3D textureOffset = toTexture ? destinationOffset : sourceOffset;
    uint64_t lastRow = ((uint64_t(footprintOffset.z) + depth - 1) * layout.Height +
                        footprintOffset.y + height - 1) /
                       block;
    uint64_t end = footprint.Offset + lastRow * layout.RowPitch +
                   (uint64_t(footprintOffset.x) + width) / block * texel;
    if (end > buffer->size) {
        return "the footprint reaches past the end of the buffer";
    }
    // Vulkan's extent stops at the mip's edge.
    VkExtent3D extent{std::min(width, texture.width - uint32_t(textureOffset.x)),
                      std::min(height, texture.height - uint32_t(textureOffset.y)), depth};
    *copy = CmdCopyBufferTexture{toTexture,   buffer,        footprint,     texture.image,
                                 texture.mip, texture.layer, textureOffset, footprintOffset,
                                 extent,      CopyUses{}};
    return nullptr;
}

// What keeps two resources from a whole-resource copy (the CopyResource
// page's restrictions), or null.
const char* WholeCopyMismatch(const D3D12Resource& destination, const D3D12Resource& source) {
    const GpuBuffer* toBuffer = destination.Buffer().get();
    const GpuBuffer* fromBuffer = source.Buffer().get();
    if ((toBuffer == nullptr) != (fromBuffer == nullptr)) {
        return "one is a buffer and the other a texture";
    }
    if (toBuffer != nullptr) {
        return toBuffer->size == fromBuffer->size ? nullptr : "the buffers differ in size";
    }
    const GpuImage& to = *destination.Image();
    const GpuImage& from = *source.Image();
    if (to.type != from.type || to.width != from.width || to.height != from.height ||
        to.depth != from.depth || to.arrayLayers != from.arrayLayers ||
        to.mipLevels != from.mipLevels) {
        return "the textures differ in dimension, size, array size or mip levels";
    }
    if (to.samples != from.samples) {
        return "the textures differ in sample count";
    }
    return CompatibleFormats(to, from) ? nullptr : "the formats are not of one typeless family";
}

} // namespace

void STDMETHODCALLTYPE D3D12GraphicsCommandList::CopyResource(ID3D12Resource* destination,
                                                              ID3D12Resource* source) {
    using namespace standin::messages;
    constexpr const char* kMethod = "ID3D12CommandList::CopyResource";
    if (!Recording()) {
        return;
    }
    D3D12Resource* to = D3D12Resource::FromInterface(destination);
    D3D12Resource* from = D3D12Resource::FromInterface(source);
    if (to == nullptr || from == nullptr) {
        standin::ReportWindows(to == nullptr ? COPYRESOURCE_NULLDST : COPYRESOURCE_NULLSRC, Self(),
                               kMethod);
        MarkFailed();
        return;
    }
    if (to == from) {
        standin::ReportWindows(COPYRESOURCE_INVALIDDSTRESOURCE, to->Track()->object, kMethod,
                               ResourceText(*to->Track()).c_str());
        MarkFailed();
        return;
    }
    if (const char* mismatch = WholeCopyMismatch(*to, *from)) {
        standin::ReportWindows(COPYRESOURCE_INVALIDSRCRESOURCE, from->Track()->object, kMethod,
                               ResourceText(*from->Track()).c_str(),
                               ResourceText(*to->Track()).c_str(), mismatch);
        MarkFailed();
        return;
    }
    CopyUses uses{"CopyResource",
                  {to->Track(), kAllSubresources, DXGI_FORMAT_UNKNOWN},
                  {from->Track(), kAllSubresources, DXGI_FORMAT_UNKNOWN}};
    if (to->Buffer() != nullptr) {
        commands_.push_back(
            CmdCopyBuffer{to->Buffer(), 0, from->Buffer(), 0, to->Buffer()->size, uses});
        return;
    }
    commands_.push_back(CmdCopyTextures{from->Image(), to->Image(), uses});
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::CopyTextureRegion(
    const D3D12_TEXTURE_COPY_LOCATION* destination, UINT x, UINT y, UINT z,
    const D3D12_TEXTURE_COPY_LOCATION* source, const D3D12_BOX* sourceBox) {
    constexpr const char* kMethod = "CopyTextureRegion";
    if (!Recording()) {
        return;
    }
    if (destination == nullptr || source == nullptr) {
        Fail(kMethod, "missing copy location");
        return;
    }
    bool toTexture = destination->Type == D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    bool fromTexture = source->Type == D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX;
    if (!toTexture && !fromTexture) {
        Fail(kMethod, "one side must be a texture subresource");
        return;
    }
    Subresource texture, other;
    if (!ReadSubresource(toTexture ? *destination : *source, &texture)) {
        Fail(kMethod, "the texture location names no stand-in texture subresource");
        return;
    }
    if (toTexture && fromTexture) {
        if (!ReadSubresource(*source, &other)) {
            Fail(kMethod, "the source names no stand-in texture subresource");
            return;
        }
        CmdCopyTextureTexture copy{};
        if (const char* refusal = TextureToTextureCopy(texture, x, y, z, other, sourceBox, &copy)) {
            Fail(kMethod, refusal);
            return;
        }
        copy.uses = UsesOf(kMethod, *destination, *source);
        commands_.push_back(std::move(copy));
        return;
    }
    const D3D12_TEXTURE_COPY_LOCATION& placed = toTexture ? *source : *destination;
    if (placed.Type == D3D12_TEXTURE_COPY_TYPE_PLACED_FOOTPRINT &&
        !CheckRowPitch(placed, toTexture, Self())) {
        MarkFailed();
        return;
    }
    CmdCopyBufferTexture copy{};
    if (const char* refusal = BufferTextureCopy(toTexture, toTexture ? *source : *destination,
                                                texture, x, y, z, sourceBox, &copy)) {
        Fail(kMethod, refusal);
        return;
    }
    copy.uses = UsesOf(kMethod, *destination, *source);
    commands_.push_back(std::move(copy));
}

} // namespace d3d12_standin
