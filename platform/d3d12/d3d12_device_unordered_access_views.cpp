// CreateUnorderedAccessView: 2-D texture views read and written as storage
// images, and buffer views (typed, structured or raw).
#include "d3d12_device.h"

#include "buffer_views.h"
#include "d3d12_resource.h"
#include "format_table.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

constexpr const char* kMethod = "ID3D12Device::CreateUnorderedAccessView";

// A null view: reads give zero, writes are dropped.
void WriteNullView(const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc, DescriptorRecord* record) {
    if (desc == nullptr) {
        standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_NULLRESOURCE, nullptr,
                               kMethod);
        return;
    }
    record->format = desc->Format;
}

void WriteBufferUav(const D3D12Resource& resource, const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc,
                    DescriptorRecord* record) {
    const void* object = resource.Track()->object;
    if (desc == nullptr) {
        standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_NULLDESC, object,
                               kMethod);
        return;
    }
    if (desc->ViewDimension != D3D12_UAV_DIMENSION_BUFFER) {
        standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_INVALIDDESC, object,
                               kMethod);
        return;
    }
    const D3D12_BUFFER_UAV& view = desc->Buffer;
    if (view.CounterOffsetInBytes != 0) {
        standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                        "counters of unordered-access views are not supported; the view is null");
        return;
    }
    record->resource = resource.Track();
    record->format = desc->Format;
    WriteBufferView(kUnorderedAccessBufferView, resource,
                    {desc->Format, view.FirstElement, view.NumElements, view.StructureByteStride,
                     (view.Flags & D3D12_BUFFER_UAV_FLAG_RAW) != 0},
                    record);
}

// One mip of a 2-D texture, in the description's format or the texture's.
void WriteTextureUav(const D3D12Resource& resource, const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc,
                     DescriptorRecord* record) {
    const std::shared_ptr<GpuImage>& image = resource.Image();
    const void* object = resource.Track()->object;
    uint32_t mip = 0;
    VkFormat format = image->format;
    if (desc != nullptr) {
        if (desc->ViewDimension != D3D12_UAV_DIMENSION_TEXTURE2D) {
            if (desc->ViewDimension == D3D12_UAV_DIMENSION_BUFFER) {
                standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_INVALIDDESC,
                                       object, kMethod);
            } else {
                standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                                "only 2-D texture views are supported; the view is null");
            }
            return;
        }
        mip = desc->Texture2D.MipSlice;
        const FormatInfo* info = FindFormat(desc->Format);
        if (desc->Format != DXGI_FORMAT_UNKNOWN) {
            format = info != nullptr ? info->vulkan : VK_FORMAT_UNDEFINED;
        }
        if (format == VK_FORMAT_UNDEFINED || mip >= image->mipLevels) {
            standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                            "bad format or mip slice; the view is null");
            return;
        }
    }
    record->resource = resource.Track();
    record->format = desc != nullptr && desc->Format != DXGI_FORMAT_UNKNOWN
                         ? desc->Format
                         : resource.Track()->desc.Format;
    record->image = image;
    record->view = {format, VK_IMAGE_ASPECT_COLOR_BIT, mip, 1};
}

} // namespace

void STDMETHODCALLTYPE D3D12Device::CreateUnorderedAccessView(
    ID3D12Resource* resource, ID3D12Resource* counter, const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc,
    D3D12_CPU_DESCRIPTOR_HANDLE dest) {
    DescriptorRecord* record = ViewTarget(Core(), dest, D3D12_DESCRIPTOR_HEAP_TYPE_CBV_SRV_UAV,
                                          "CreateUnorderedAccessView");
    if (record == nullptr) {
        return;
    }
    *record = DescriptorRecord{};
    record->kind = DescriptorKind::UnorderedAccess;
    if (resource == nullptr) {
        WriteNullView(desc, record);
        return;
    }
    D3D12Resource* viewed = D3D12Resource::FromInterface(resource);
    if (viewed == nullptr) {
        standin::ReportRefusal("ID3D12Device", "CreateUnorderedAccessView",
                               "the resource is not a stand-in resource");
        return;
    }
    const ResourceTrack& track = *viewed->Track();
    if ((track.desc.Flags & D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS) == 0) {
        standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_INVALIDRESOURCE,
                               track.object, kMethod);
        return;
    }
    if (counter != nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, track.object, kMethod,
                        "counters of unordered-access views are not supported; the view is null");
        return;
    }
    if (viewed->Buffer() != nullptr) {
        WriteBufferUav(*viewed, desc, record);
    } else {
        WriteTextureUav(*viewed, desc, record);
    }
}

} // namespace d3d12_standin
