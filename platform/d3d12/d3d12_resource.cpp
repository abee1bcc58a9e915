#include "d3d12_resource.h"

#include "d3d12_device.h"
#include "debug_layer.h"
#include "format_table.h"
#include "multisample_rules.h"
#include "testing_counters.h"
#include "view_formats.h"

#include <debug_messages.h>
#include <memory_types.h>
#include <vulkan_check.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <utility>

namespace d3d12_standin {
namespace {

HRESULT Refuse(const char* reason) {
    standin::Report(standin::messages::REFUSED_CALL, nullptr,
                    "ID3D12Device::CreateCommittedResource", "%s", reason);
    return E_INVALIDARG;
}

uint32_t FullMipChain(const D3D12_RESOURCE_DESC& desc) {
    uint32_t levels = 1;
    uint64_t largest = desc.Width > desc.Height ? desc.Width : desc.Height;
    if (desc.Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE3D && desc.DepthOrArraySize > largest) {
        largest = desc.DepthOrArraySize;
    }
    while (largest > 1) {
        largest /= 2;
        ++levels;
    }
    return levels;
}

HRESULT ValidateBuffer(const D3D12_HEAP_PROPERTIES& heap, const D3D12_RESOURCE_DESC& desc,
                       D3D12_RESOURCE_STATES state) {
    if (desc.Format != DXGI_FORMAT_UNKNOWN) {
        return Refuse("a buffer must have DXGI_FORMAT_UNKNOWN");
    }
    if (desc.Width == 0 || desc.Height != 1 || desc.DepthOrArraySize != 1 || desc.MipLevels != 1 ||
        desc.SampleDesc.Count != 1 || desc.Layout != D3D12_TEXTURE_LAYOUT_ROW_MAJOR) {
        return Refuse("a buffer needs Width > 0, Height 1, DepthOrArraySize 1, MipLevels 1, "
                      "one sample and D3D12_TEXTURE_LAYOUT_ROW_MAJOR");
    }
    if (heap.Type == D3D12_HEAP_TYPE_UPLOAD && state != D3D12_RESOURCE_STATE_GENERIC_READ) {
        standin::ReportWindows(standin::messages::RESOURCE_BARRIER_INVALID_HEAP, nullptr,
                               "ID3D12Device::CreateCommittedResource");
        return E_INVALIDARG;
    }
    if (heap.Type == D3D12_HEAP_TYPE_READBACK && state != D3D12_RESOURCE_STATE_COPY_DEST) {
        return Refuse("readback-heap resources must start in D3D12_RESOURCE_STATE_COPY_DEST");
    }
    return S_OK;
}

// Direct3D 12's size limits for each dimension (the D3D12_REQ_TEXTURE* constants).
const char* TextureSizeRefusal(const D3D12_RESOURCE_DESC& desc) {
    if (desc.Width == 0 || desc.Height == 0 || desc.DepthOrArraySize == 0) {
        return "texture size out of range";
    }
    switch (desc.Dimension) {
    case D3D12_RESOURCE_DIMENSION_TEXTURE1D:
        return desc.Width <= D3D12_REQ_TEXTURE1D_U_DIMENSION && desc.Height == 1 &&
                       desc.DepthOrArraySize <= D3D12_REQ_TEXTURE1D_ARRAY_AXIS_DIMENSION
                   ? nullptr
                   : "a 1-D texture needs Height 1, Width up to 16384 and up to 2048 slices";
    case D3D12_RESOURCE_DIMENSION_TEXTURE2D:
        return desc.Width <= D3D12_REQ_TEXTURE2D_U_OR_V_DIMENSION &&
                       desc.Height <= D3D12_REQ_TEXTURE2D_U_OR_V_DIMENSION &&
                       desc.DepthOrArraySize <= D3D12_REQ_TEXTURE2D_ARRAY_AXIS_DIMENSION
                   ? nullptr
                   : "a 2-D texture needs sides up to 16384 and up to 2048 slices";
    case D3D12_RESOURCE_DIMENSION_TEXTURE3D:
        return desc.Width <= D3D12_REQ_TEXTURE3D_U_V_OR_W_DIMENSION &&
                       desc.Height <= D3D12_REQ_TEXTURE3D_U_V_OR_W_DIMENSION &&
                       desc.DepthOrArraySize <= D3D12_REQ_TEXTURE3D_U_V_OR_W_DIMENSION
                   ? nullptr
                   : "a 3-D texture needs sides up to 2048";
    default:
        return "the resource dimension is unknown";
    }
}

// Targets the stand-in draws into are 2-D (and depth slices of 3-D render targets);
// Windows keeps depth-stencil textures off 3-D (the restrictions of
// D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL on learn.microsoft.com).
const char* TargetDimensionRefusal(const D3D12_RESOURCE_DESC& desc) {
    bool depth = (desc.Flags & D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL) != 0;
    bool target = (desc.Flags & D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET) != 0;
    if (depth && desc.Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE3D) {
        return "a 3-D texture cannot allow depth stencils";
    }
    if ((depth || target) && desc.Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE1D) {
        return "1-D render targets and depth buffers are not supported";
    }
    return nullptr;
}

// What the texture's flags ask of its format that the format cannot do, in
// the debug layer's words, or null.
const char* FormatUseRefusal(const D3D12_RESOURCE_DESC& desc, const FormatInfo& format) {
    if (!HasUse(format, kUseTexture)) {
        return "a texture";
    }
    constexpr std::pair<D3D12_RESOURCE_FLAGS, FormatUse> kFlagUses[] = {
        {D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET, kUseRender},
        {D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL, kUseDepth},
        {D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS, kUseUav},
    };
    constexpr const char* kFlagNames[] = {"D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET",
                                          "D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL",
                                          "D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS"};
    for (size_t i = 0; i < std::size(kFlagUses); ++i) {
        if ((desc.Flags & kFlagUses[i].first) != 0 && !FamilyHasUse(format, kFlagUses[i].second)) {
            return kFlagNames[i];
        }
    }
    if (desc.SampleDesc.Count > 1 && !FamilyHasUse(format, kUseMultisample)) {
        return "more than one sample";
    }
    return nullptr;
}

HRESULT ValidateTexture(const D3D12_HEAP_PROPERTIES& heap, const D3D12_RESOURCE_DESC& desc) {
    if (heap.Type != D3D12_HEAP_TYPE_DEFAULT) {
        return Refuse("textures can only be made in the default heap");
    }
    const FormatInfo* format = FindFormat(desc.Format);
    if (format == nullptr) {
        return Refuse("the texture format is unknown or not supported");
    }
    if (const char* refusal = TextureSizeRefusal(desc)) {
        return Refuse(refusal);
    }
    if (const char* refusal = MultisampleRefusal(desc)) {
        return Refuse(refusal);
    }
    if (desc.MipLevels > FullMipChain(desc)) {
        return Refuse("more mip levels than the texture size allows");
    }
    if (const char* refusal = TargetDimensionRefusal(desc)) {
        return Refuse(refusal);
    }
    if (const char* use = FormatUseRefusal(desc, *format)) {
        standin::ReportWindows(standin::messages::CREATERESOURCE_INVALIDFORMAT, nullptr,
                               "ID3D12Device::CreateCommittedResource", unsigned(desc.Format),
                               format->name, use);
        return E_INVALIDARG;
    }
    return S_OK;
}

} // namespace

D3D12Resource::D3D12Resource(D3D12Device* device, const D3D12_HEAP_PROPERTIES& heap,
                             const D3D12_RESOURCE_DESC& desc)
    : LiveDeviceChild(device), heap_(heap), desc_(desc) {}

D3D12Resource::~D3D12Resource() {
    if (track_ != nullptr) {
        ValidateFinalRelease(*track_, Device()->Core().submissions.Completed());
    }
    standin::ForgetObject(this);
    if (buffer_ != nullptr && buffer_->address != 0) {
        Device()->Core().UnregisterBuffer(buffer_->address);
    }
}

HRESULT D3D12Resource::Create(D3D12Device* device, const D3D12_HEAP_PROPERTIES& heap,
                              const D3D12_RESOURCE_DESC& desc, D3D12_RESOURCE_STATES initialState,
                              const D3D12_CLEAR_VALUE* clearValue, D3D12Resource** out) {
    *out = nullptr;
    if (heap.Type != D3D12_HEAP_TYPE_DEFAULT && heap.Type != D3D12_HEAP_TYPE_UPLOAD &&
        heap.Type != D3D12_HEAP_TYPE_READBACK) {
        return Refuse("only the default, upload and readback heaps are supported");
    }
    bool isBuffer = desc.Dimension == D3D12_RESOURCE_DIMENSION_BUFFER;
    HRESULT valid =
        isBuffer ? ValidateBuffer(heap, desc, initialState) : ValidateTexture(heap, desc);
    if (FAILED(valid)) {
        return valid;
    }
    D3D12_RESOURCE_DESC filled = desc;
    if (!isBuffer && filled.MipLevels == 0) {
        filled.MipLevels = UINT16(FullMipChain(desc));
    }
    auto* resource = new D3D12Resource(device, heap, filled);
    HRESULT made = isBuffer ? resource->MakeBuffer() : resource->MakeImage();
    if (FAILED(made)) {
        resource->Release();
        return made;
    }
    resource->MakeTrack(initialState, clearValue);
    *out = resource;
    return S_OK;
}

namespace {

// Committed resources start zeroed on every heap, as Windows hands them out.
// Default-heap memory is zeroed through a mapping where the memory type
// allows one (every type of a CPU device does).
void ZeroDefaultHeapMemory(const vk_core::VulkanContext& context,
                           const VkMemoryAllocateInfo& allocation, VkDeviceMemory memory) {
    const VkMemoryType& type = context.memoryProperties.memoryTypes[allocation.memoryTypeIndex];
    void* mapped = nullptr;
    if ((type.propertyFlags & VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT) == 0 ||
        !VK_CHECK(vkMapMemory(context.device, memory, 0, VK_WHOLE_SIZE, 0, &mapped))) {
        return;
    }
    std::memset(mapped, 0, size_t(allocation.allocationSize));
    if ((type.propertyFlags & VK_MEMORY_PROPERTY_HOST_COHERENT_BIT) == 0) {
        VkMappedMemoryRange range{VK_STRUCTURE_TYPE_MAPPED_MEMORY_RANGE, nullptr, memory, 0,
                                  VK_WHOLE_SIZE};
        vkFlushMappedMemoryRanges(context.device, 1, &range);
    }
    vkUnmapMemory(context.device, memory);
}

// What a texture with these flags may be used for, copies always.
VkImageUsageFlags ImageUsage(D3D12_RESOURCE_FLAGS flags) {
    VkImageUsageFlags usage = VK_IMAGE_USAGE_TRANSFER_SRC_BIT | VK_IMAGE_USAGE_TRANSFER_DST_BIT;
    if ((flags & D3D12_RESOURCE_FLAG_DENY_SHADER_RESOURCE) == 0) {
        usage |= VK_IMAGE_USAGE_SAMPLED_BIT;
    }
    if ((flags & D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET) != 0) {
        usage |= VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT;
    }
    if ((flags & D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL) != 0) {
        usage |= VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT;
    }
    if ((flags & D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS) != 0) {
        usage |= VK_IMAGE_USAGE_STORAGE_BIT;
    }
    return usage;
}

} // namespace

HRESULT D3D12Resource::MakeBuffer() {
    const auto& context = Device()->Context();
    buffer_ = std::make_shared<GpuBuffer>(context);
    buffer_->size = desc_.Width;
    VkBufferCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_BUFFER_CREATE_INFO;
    info.size = desc_.Width;
    info.usage = VK_BUFFER_USAGE_TRANSFER_SRC_BIT | VK_BUFFER_USAGE_TRANSFER_DST_BIT |
                 VK_BUFFER_USAGE_UNIFORM_BUFFER_BIT | VK_BUFFER_USAGE_VERTEX_BUFFER_BIT |
                 VK_BUFFER_USAGE_INDEX_BUFFER_BIT | VK_BUFFER_USAGE_STORAGE_BUFFER_BIT |
                 VK_BUFFER_USAGE_UNIFORM_TEXEL_BUFFER_BIT |
                 VK_BUFFER_USAGE_STORAGE_TEXEL_BUFFER_BIT | VK_BUFFER_USAGE_INDIRECT_BUFFER_BIT;
    if (context->features.transformFeedback) {
        // Any buffer may be a stream-output target or hold its filled size.
        info.usage |= VK_BUFFER_USAGE_TRANSFORM_FEEDBACK_BUFFER_BIT_EXT |
                      VK_BUFFER_USAGE_TRANSFORM_FEEDBACK_COUNTER_BUFFER_BIT_EXT;
    }
    info.sharingMode = VK_SHARING_MODE_EXCLUSIVE;
    if (!VK_CHECK(vkCreateBuffer(context->device, &info, nullptr, &buffer_->buffer))) {
        return E_OUTOFMEMORY;
    }
    VkMemoryRequirements requirements;
    vkGetBufferMemoryRequirements(context->device, buffer_->buffer, &requirements);
    VkMemoryPropertyFlags required = 0, preferred = VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT;
    if (heap_.Type == D3D12_HEAP_TYPE_UPLOAD) {
        required = VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT;
        preferred = 0;
    } else if (heap_.Type == D3D12_HEAP_TYPE_READBACK) {
        required = VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT;
        preferred = VK_MEMORY_PROPERTY_HOST_CACHED_BIT;
    }
    VkMemoryAllocateInfo allocate{};
    allocate.sType = VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO;
    allocate.allocationSize = requirements.size;
    if (!vk_core::FindMemoryType(context->memoryProperties, requirements.memoryTypeBits, required,
                                 preferred, &allocate.memoryTypeIndex)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12Device::CreateCommittedResource", "no suitable memory type");
        return E_OUTOFMEMORY;
    }
    if (!VK_CHECK(vkAllocateMemory(context->device, &allocate, nullptr, &buffer_->memory)) ||
        !VK_CHECK(vkBindBufferMemory(context->device, buffer_->buffer, buffer_->memory, 0))) {
        return E_OUTOFMEMORY;
    }
    if (required != 0) {
        if (!VK_CHECK(vkMapMemory(context->device, buffer_->memory, 0, VK_WHOLE_SIZE, 0,
                                  &buffer_->mapped))) {
            return E_OUTOFMEMORY;
        }
        // Committed resources start zeroed.
        std::memset(buffer_->mapped, 0, size_t(desc_.Width));
    } else {
        ZeroDefaultHeapMemory(*context, allocate, buffer_->memory);
    }
    buffer_->address = Device()->Core().RegisterBuffer(buffer_);
    return S_OK;
}

HRESULT D3D12Resource::MakeImage() {
    const auto& context = Device()->Context();
    const FormatInfo& requested = *FindFormat(desc_.Format);
    const FormatInfo& format =
        StorageFormat(requested, (desc_.Flags & D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL) != 0);
    image_ = std::make_shared<GpuImage>(context);
    image_->format = format.vulkan;
    image_->dxgiFormat = desc_.Format;
    image_->aspect = format.aspect;
    image_->bytesPerBlock = format.bytesPerBlock;
    image_->blockSize = format.blockSize;
    // Views of a typeless colour texture take the other formats of its family.
    image_->mutableFormat = IsTypeless(requested) && format.aspect == VK_IMAGE_ASPECT_COLOR_BIT;
    image_->width = uint32_t(desc_.Width);
    image_->height = desc_.Height;
    image_->mipLevels = desc_.MipLevels;
    bool volume = desc_.Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE3D;
    image_->type = desc_.Dimension == D3D12_RESOURCE_DIMENSION_TEXTURE1D ? VK_IMAGE_TYPE_1D
                   : volume                                              ? VK_IMAGE_TYPE_3D
                                                                         : VK_IMAGE_TYPE_2D;
    image_->depth = volume ? desc_.DepthOrArraySize : 1;
    image_->arrayLayers = volume ? 1 : desc_.DepthOrArraySize;
    image_->subresources.assign(size_t(image_->mipLevels) * image_->arrayLayers, {});

    VkImageCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_IMAGE_CREATE_INFO;
    info.imageType = image_->type;
    info.format = format.vulkan;
    info.extent = {image_->width, image_->height, image_->depth};
    info.mipLevels = image_->mipLevels;
    info.arrayLayers = image_->arrayLayers;
    info.samples = SampleCountBit(desc_.SampleDesc.Count);
    image_->samples = info.samples;
    info.tiling = VK_IMAGE_TILING_OPTIMAL;
    info.usage = ImageUsage(desc_.Flags);
    info.initialLayout = VK_IMAGE_LAYOUT_UNDEFINED;
    image_->usage = info.usage;
    if (image_->mutableFormat) {
        info.flags |= VK_IMAGE_CREATE_MUTABLE_FORMAT_BIT | VK_IMAGE_CREATE_EXTENDED_USAGE_BIT;
    }
    VkImageFormatProperties supported;
    if (volume && (desc_.Flags & D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET) != 0) {
        info.flags |= VK_IMAGE_CREATE_2D_ARRAY_COMPATIBLE_BIT; // RTVs of depth slices
    }
    // Six square slices or more may be viewed as the faces of cubes.
    image_->cubeCompatible = info.imageType == VK_IMAGE_TYPE_2D &&
                             info.samples == VK_SAMPLE_COUNT_1_BIT && info.arrayLayers >= 6 &&
                             info.extent.width == info.extent.height;
    if (image_->cubeCompatible) {
        info.flags |= VK_IMAGE_CREATE_CUBE_COMPATIBLE_BIT;
    }
    if (vkGetPhysicalDeviceImageFormatProperties(context->physicalDevice, info.format,
                                                 info.imageType, info.tiling, info.usage,
                                                 info.flags, &supported) != VK_SUCCESS) {
        return Refuse("the device cannot make a texture of this format with these flags");
    }
    if ((supported.sampleCounts & info.samples) == 0) {
        return Refuse("the device cannot make a texture of this format with this many samples");
    }
    if (!VK_CHECK(vkCreateImage(context->device, &info, nullptr, &image_->image))) {
        return E_OUTOFMEMORY;
    }
    VkMemoryRequirements requirements;
    vkGetImageMemoryRequirements(context->device, image_->image, &requirements);
    VkMemoryAllocateInfo allocate{};
    allocate.sType = VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO;
    allocate.allocationSize = requirements.size;
    if (!vk_core::FindMemoryType(context->memoryProperties, requirements.memoryTypeBits, 0,
                                 VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, &allocate.memoryTypeIndex) ||
        !VK_CHECK(vkAllocateMemory(context->device, &allocate, nullptr, &image_->memory)) ||
        !VK_CHECK(vkBindImageMemory(context->device, image_->image, image_->memory, 0))) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

void D3D12Resource::MakeTrack(D3D12_RESOURCE_STATES initialState,
                              const D3D12_CLEAR_VALUE* clearValue) {
    track_ = std::make_shared<ResourceTrack>();
    track_->object = static_cast<ID3D12Resource*>(this);
    track_->desc = desc_;
    track_->heapType = heap_.Type;
    track_->hasClearValue = clearValue != nullptr;
    if (clearValue != nullptr) {
        track_->clearValue = *clearValue;
    }
    if (image_ != nullptr) {
        track_->mipLevels = desc_.MipLevels;
        track_->arraySize = image_->arrayLayers;
        track_->planes = (image_->aspect & VK_IMAGE_ASPECT_STENCIL_BIT) != 0 ? 2 : 1;
    }
    size_t count = size_t(track_->mipLevels) * track_->arraySize * track_->planes;
    track_->states =
        std::make_shared<SubresourceStates>(uint32_t(count), initialState, PromotionOf(desc_));
    if (buffer_ != nullptr) {
        buffer_->track = track_;
    }
    if (image_ != nullptr) {
        image_->states = track_->states;
    }
}

HRESULT STDMETHODCALLTYPE D3D12Resource::SetName(LPCWSTR name) {
    // Names are kept for messages, which are narrow text.
    std::string narrow;
    for (const wchar_t* c = name; c != nullptr && *c != 0; ++c) {
        narrow += *c < 128 ? char(*c) : '?';
    }
    track_->name = narrow;
    return DeviceChild::SetName(name);
}

bool D3D12Resource::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12Pageable || riid == IID_ID3D12Resource;
}

HRESULT STDMETHODCALLTYPE D3D12Resource::Map(UINT subresource, const D3D12_RANGE*, void** data) {
    if (heap_.Type == D3D12_HEAP_TYPE_DEFAULT) {
        standin::ReportWindows(standin::messages::MAP_INVALIDHEAP, this, "ID3D12Resource::Map");
        return E_INVALIDARG;
    }
    if (buffer_ == nullptr || buffer_->mapped == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "ID3D12Resource::Map",
                        "only upload- and readback-heap buffers can be mapped");
        return E_INVALIDARG;
    }
    if (subresource != 0) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr, "ID3D12Resource::Map",
                        "a buffer has only subresource 0");
        return E_INVALIDARG;
    }
    if (ConsumeRefusal(Refusal::Map)) {
        return E_OUTOFMEMORY;
    }
    ++mapCount_;
    if (data != nullptr) {
        *data = buffer_->mapped;
    }
    return S_OK;
}

void STDMETHODCALLTYPE D3D12Resource::Unmap(UINT, const D3D12_RANGE*) {
    if (mapCount_ > 0) {
        --mapCount_;
    }
}

D3D12_GPU_VIRTUAL_ADDRESS STDMETHODCALLTYPE D3D12Resource::GetGPUVirtualAddress() {
    return buffer_ != nullptr ? buffer_->address : 0;
}

HRESULT STDMETHODCALLTYPE D3D12Resource::WriteToSubresource(UINT, const D3D12_BOX*, const void*,
                                                            UINT, UINT) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Resource::WriteToSubresource");
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE D3D12Resource::ReadFromSubresource(void*, UINT, UINT, UINT,
                                                             const D3D12_BOX*) {
    STANDIN_NOT_IMPLEMENTED("ID3D12Resource::ReadFromSubresource");
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE D3D12Resource::GetHeapProperties(D3D12_HEAP_PROPERTIES* properties,
                                                           D3D12_HEAP_FLAGS* flags) {
    if (properties != nullptr) {
        *properties = heap_;
    }
    if (flags != nullptr) {
        *flags = D3D12_HEAP_FLAG_NONE;
    }
    return S_OK;
}

} // namespace d3d12_standin
