// Descriptor writes: constant-buffer, shader-resource, render-target,
// depth-stencil views and samplers.
#include "d3d12_device.h"

#include "buffer_views.h"
#include "d3d12_resource.h"
#include "format_table.h"
#include "view_dimensions.h"
#include "view_formats.h"

#include <debug_messages.h>

#include <cstdio>

namespace d3d12_standin {

DescriptorRecord* ViewTarget(DeviceCore& core, D3D12_CPU_DESCRIPTOR_HANDLE handle,
                             D3D12_DESCRIPTOR_HEAP_TYPE type, const char* method) {
    DescriptorRecord* record = core.ResolveCpuHandle(handle.ptr, type);
    if (record == nullptr) {
        standin::ReportRefusal(
            "ID3D12Device", method,
            "the handle is not inside a live heap of the right type; nothing written");
    }
    return record;
}

namespace {

// The texture behind a view, or null (with a message) when there is none.
std::shared_ptr<GpuImage> ViewedImage(ID3D12Resource* resource, const char* method) {
    D3D12Resource* standin = D3D12Resource::FromInterface(resource);
    if (standin == nullptr || standin->Image() == nullptr) {
        standin::ReportRefusal("ID3D12Device", method, "the resource is not a stand-in texture");
        return nullptr;
    }
    return standin->Image();
}

// Starts a texture view: clears the record `dest` names to a null view of
// `kind` and returns the texture behind `resource`. Null when the handle is
// bad (record null too), the view is a null view, or there is no texture.
std::shared_ptr<GpuImage> BeginTextureView(DeviceCore& core, D3D12_CPU_DESCRIPTOR_HANDLE dest,
                                           D3D12_DESCRIPTOR_HEAP_TYPE type, DescriptorKind kind,
                                           ID3D12Resource* resource, DXGI_FORMAT format,
                                           const char* method, DescriptorRecord** record) {
    *record = ViewTarget(core, dest, type, method);
    if (*record == nullptr) {
        return nullptr;
    }
    **record = DescriptorRecord{};
    (*record)->kind = kind;
    (*record)->format = format;
    if (resource == nullptr) {
        return nullptr; // a null view: reads give zero
    }
    if (D3D12Resource* standin = D3D12Resource::FromInterface(resource)) {
        (*record)->resource = standin->Track();
        if (format == DXGI_FORMAT_UNKNOWN) {
            (*record)->format = standin->GetDesc().Format;
        }
    }
    return ViewedImage(resource, method);
}

// What sets render-target views apart from depth-stencil views; both are
// views of one mip of one slice.
struct AttachmentViewRules {
    const char* method;
    D3D12_DESCRIPTOR_HEAP_TYPE heapType;
    DescriptorKind kind;
    ViewUse use;
    VkImageAspectFlags needed; // the texture must have this aspect
    VkImageAspectFlags viewed; // the aspects the view covers
    const char* missingAspect; // refusal of a texture without it
    D3D12_RESOURCE_FLAGS flag; // the texture must have been created with it
    const standin::MessageKind& missingFlag;
};

constexpr AttachmentViewRules kRenderTargetView{
    "CreateRenderTargetView",
    D3D12_DESCRIPTOR_HEAP_TYPE_RTV,
    DescriptorKind::RenderTarget,
    ViewUse::RenderTarget,
    VK_IMAGE_ASPECT_COLOR_BIT,
    VK_IMAGE_ASPECT_COLOR_BIT,
    "the resource is not a colour texture",
    D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET,
    standin::messages::CREATERENDERTARGETVIEW_INVALIDRESOURCE,
};

constexpr AttachmentViewRules kDepthStencilView{
    "CreateDepthStencilView",
    D3D12_DESCRIPTOR_HEAP_TYPE_DSV,
    DescriptorKind::DepthStencil,
    ViewUse::DepthStencil,
    VK_IMAGE_ASPECT_DEPTH_BIT,
    VK_IMAGE_ASPECT_DEPTH_BIT | VK_IMAGE_ASPECT_STENCIL_BIT,
    "the resource is not a depth texture",
    D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL,
    standin::messages::CREATEDEPTHSTENCILVIEW_INVALIDRESOURCE,
};

const char* ViewRange(const D3D12_RENDER_TARGET_VIEW_DESC* desc, const GpuImage& image,
                      ImageViewKey* key) {
    return RenderTargetViewRange(desc, image, key);
}

const char* ViewRange(const D3D12_DEPTH_STENCIL_VIEW_DESC* desc, const GpuImage& image,
                      ImageViewKey* key) {
    return DepthStencilViewRange(desc, image, key);
}

// A render-target or depth-stencil view: `desc` is null or one of the two
// view descriptions.
template <typename ViewDesc>
void WriteAttachmentView(DeviceCore& core, D3D12_CPU_DESCRIPTOR_HANDLE dest,
                         ID3D12Resource* resource, const ViewDesc* desc,
                         const AttachmentViewRules& rules) {
    DescriptorRecord* record = nullptr;
    std::shared_ptr<GpuImage> image = BeginTextureView(
        core, dest, rules.heapType, rules.kind, resource,
        desc != nullptr ? desc->Format : DXGI_FORMAT_UNKNOWN, rules.method, &record);
    if (image == nullptr) {
        return;
    }
    if ((D3D12Resource::FromInterface(resource)->GetDesc().Flags & rules.flag) == 0) {
        std::string method = std::string("ID3D12Device::") + rules.method;
        standin::ReportWindows(rules.missingFlag, resource, method.c_str());
        *record = DescriptorRecord{};
        return;
    }
    ImageViewKey view{image->format, image->aspect & rules.viewed, 0, 1};
    if (!ResolveViewFormat(desc != nullptr ? desc->Format : DXGI_FORMAT_UNKNOWN, *image, rules.use,
                           rules.method, &view)) {
        return;
    }
    if (const char* refusal = ViewRange(desc, *image, &view)) {
        standin::ReportRefusal("ID3D12Device", rules.method, "%s", refusal);
        return;
    }
    if ((image->aspect & rules.needed) == 0) {
        standin::ReportRefusal("ID3D12Device", rules.method, "%s", rules.missingAspect);
        return;
    }
    record->image = image;
    record->view = view;
}

} // namespace

void STDMETHODCALLTYPE D3D12Device::CreateConstantBufferView(
    const D3D12_CONSTANT_BUFFER_VIEW_DESC* desc, D3D12_CPU_DESCRIPTOR_HANDLE dest) {
    DescriptorRecord* record = ViewTarget(Core(), dest, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV,
                                          "CreateConstantBufferView");
    if (record == nullptr) {
        return;
    }
    *record = DescriptorRecord{};
    record->kind = DescriptorKind::ConstantBuffer;
    if (desc == nullptr || desc->BufferLocation == 0) {
        return; // a null view
    }
    if (desc->BufferLocation % D3D12_CONSTANT_BUFFER_DATA_PLACEMENT_ALIGNMENT != 0 ||
        desc->SizeInBytes % D3D12_CONSTANT_BUFFER_DATA_PLACEMENT_ALIGNMENT != 0) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12Device::CreateConstantBufferView",
                        "BufferLocation and SizeInBytes must be multiples of 256");
    }
    uint64_t offset = 0;
    std::shared_ptr<GpuBuffer> buffer = Core().ResolveAddress(desc->BufferLocation, &offset);
    if (buffer != nullptr && desc->SizeInBytes > buffer->size - offset) {
        standin::ReportWindows(standin::messages::CREATE_CONSTANT_BUFFER_VIEW_INVALID_RESOURCE,
                               nullptr, "ID3D12Device::CreateConstantBufferView",
                               (unsigned long long)desc->BufferLocation, desc->SizeInBytes,
                               (unsigned long long)(buffer->address + buffer->size));
        return;
    }
    if (buffer == nullptr || desc->SizeInBytes == 0) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12Device::CreateConstantBufferView",
                        "the range is not inside a live buffer; the view is null");
        return;
    }
    record->buffer = buffer;
    record->offset = offset;
    record->size = desc->SizeInBytes;
}

void STDMETHODCALLTYPE D3D12Device::CreateShaderResourceView(
    ID3D12Resource* resource, const D3D12_SHADER_RESOURCE_VIEW_DESC* desc,
    D3D12_CPU_DESCRIPTOR_HANDLE dest) {
    D3D12Resource* viewed = D3D12Resource::FromInterface(resource);
    if (viewed != nullptr && viewed->Buffer() != nullptr) {
        WriteShaderResourceBufferView(Core(), dest, *viewed, desc);
        return;
    }
    DescriptorRecord* record = nullptr;
    std::shared_ptr<GpuImage> image = BeginTextureView(
        Core(), dest, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV, DescriptorKind::ShaderResource,
        resource, desc != nullptr ? desc->Format : DXGI_FORMAT_UNKNOWN, "CreateShaderResourceView",
        &record);
    if (image == nullptr) {
        return;
    }
    ImageViewKey view{image->format, image->aspect, 0, 1};
    if (!ResolveViewFormat(desc != nullptr ? desc->Format : DXGI_FORMAT_UNKNOWN, *image,
                           ViewUse::ShaderResource, "CreateShaderResourceView", &view)) {
        return;
    }
    if (const char* refusal = ShaderResourceViewRange(desc, *image, &view)) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12Device::CreateShaderResourceView", "%s", refusal);
        return;
    }
    record->image = image;
    record->view = view;
}

void STDMETHODCALLTYPE D3D12Device::CreateRenderTargetView(
    ID3D12Resource* resource, const D3D12_RENDER_TARGET_VIEW_DESC* desc,
    D3D12_CPU_DESCRIPTOR_HANDLE dest) {
    WriteAttachmentView(Core(), dest, resource, desc, kRenderTargetView);
}

void STDMETHODCALLTYPE D3D12Device::CreateDepthStencilView(
    ID3D12Resource* resource, const D3D12_DEPTH_STENCIL_VIEW_DESC* desc,
    D3D12_CPU_DESCRIPTOR_HANDLE dest) {
    WriteAttachmentView(Core(), dest, resource, desc, kDepthStencilView);
}

void STDMETHODCALLTYPE D3D12Device::CreateSampler(const D3D12_SAMPLER_DESC* desc,
                                                  D3D12_CPU_DESCRIPTOR_HANDLE dest) {
    DescriptorRecord* record =
        ViewTarget(Core(), dest, D3D12_DESCRIPTOR_HEAP_TYPE_SAMPLER, "CreateSampler");
    if (record == nullptr || desc == nullptr) {
        return;
    }
    *record = DescriptorRecord{};
    record->kind = DescriptorKind::Sampler;
    record->sampler = *desc;
}

void STDMETHODCALLTYPE D3D12Device::CopyDescriptorsSimple(UINT count,
                                                          D3D12_CPU_DESCRIPTOR_HANDLE destination,
                                                          D3D12_CPU_DESCRIPTOR_HANDLE source,
                                                          D3D12_DESCRIPTOR_HEAP_TYPE type) {
    // Records are copied one by one: a range that leaves its heap stops there.
    for (UINT i = 0; i < count; ++i) {
        SIZE_T step = SIZE_T(i) * DeviceCore::kDescriptorIncrement;
        DescriptorRecord* to = Core().ResolveCpuHandle(destination.ptr + step, type);
        DescriptorRecord* from = Core().ResolveCpuHandle(source.ptr + step, type);
        if (to == nullptr || from == nullptr) {
            standin::Report(standin::messages::REFUSED_CALL, nullptr,
                            "ID3D12Device::CopyDescriptorsSimple",
                            "descriptor %u of a range is not inside a live heap of the right type; "
                            "the copy stops there",
                            i);
            return;
        }
        *to = *from;
    }
}

void STDMETHODCALLTYPE D3D12Device::CopyDescriptors(
    UINT destinationRanges, const D3D12_CPU_DESCRIPTOR_HANDLE* destinationStarts,
    const UINT* destinationSizes, UINT sourceRanges,
    const D3D12_CPU_DESCRIPTOR_HANDLE* sourceStarts, const UINT* sourceSizes,
    D3D12_DESCRIPTOR_HEAP_TYPE type) {
    // Both sides are walked as one sequence of descriptors each.
    UINT destinationRange = 0, destinationIndex = 0, sourceRange = 0, sourceIndex = 0;
    while (destinationRange < destinationRanges && sourceRange < sourceRanges) {
        UINT destinationSize = destinationSizes != nullptr ? destinationSizes[destinationRange] : 1;
        UINT sourceSize = sourceSizes != nullptr ? sourceSizes[sourceRange] : 1;
        if (destinationIndex >= destinationSize) {
            ++destinationRange;
            destinationIndex = 0;
            continue;
        }
        if (sourceIndex >= sourceSize) {
            ++sourceRange;
            sourceIndex = 0;
            continue;
        }
        D3D12_CPU_DESCRIPTOR_HANDLE to = destinationStarts[destinationRange];
        D3D12_CPU_DESCRIPTOR_HANDLE from = sourceStarts[sourceRange];
        to.ptr += SIZE_T(destinationIndex++) * DeviceCore::kDescriptorIncrement;
        from.ptr += SIZE_T(sourceIndex++) * DeviceCore::kDescriptorIncrement;
        CopyDescriptorsSimple(1, to, from, type);
    }
}

} // namespace d3d12_standin
