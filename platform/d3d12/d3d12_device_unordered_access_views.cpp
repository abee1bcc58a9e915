// CreateUnorderedAccessView: 2-D texture and 2-D array views read and
// written as storage images, and buffer views (typed, structured or raw).
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

// The mip and layers a texture view description names: false (with a
// message) for a dimension other than 2-D or 2-D array, or a range outside
// the texture. Without a description, mip 0 of the first layer, or of every
// layer of an array.
bool ViewedSubresources(const GpuImage& image, const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc,
                        const void* object, ImageViewKey* view) {
    if (image.type != VK_IMAGE_TYPE_2D) {
        standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                        "unordered-access views of 1-D and 3-D textures are not supported by the "
                        "stand-in; the view is null");
        return false;
    }
    view->layerCount = image.arrayLayers;
    view->type = image.arrayLayers > 1 ? VK_IMAGE_VIEW_TYPE_2D_ARRAY : VK_IMAGE_VIEW_TYPE_2D;
    if (desc == nullptr) {
        return true;
    }
    if (desc->ViewDimension == D3D12_UAV_DIMENSION_TEXTURE2D) {
        view->baseMip = desc->Texture2D.MipSlice;
        view->layerCount = 1;
        view->type = VK_IMAGE_VIEW_TYPE_2D;
    } else if (desc->ViewDimension == D3D12_UAV_DIMENSION_TEXTURE2DARRAY) {
        view->type = VK_IMAGE_VIEW_TYPE_2D_ARRAY;
        const D3D12_TEX2D_ARRAY_UAV& array = desc->Texture2DArray;
        view->baseMip = array.MipSlice;
        view->baseLayer = array.FirstArraySlice;
        view->layerCount = array.ArraySize == UINT(-1) && array.FirstArraySlice < image.arrayLayers
                               ? image.arrayLayers - array.FirstArraySlice
                               : array.ArraySize;
    } else {
        if (desc->ViewDimension == D3D12_UAV_DIMENSION_BUFFER) {
            standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_INVALIDDESC, object,
                                   kMethod);
        } else {
            standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                            "only 2-D and 2-D array texture views are supported; the view is null");
        }
        return false;
    }
    const bool layersFit = desc->ViewDimension == D3D12_UAV_DIMENSION_TEXTURE2D ||
                           (view->layerCount > 0 && view->baseLayer < image.arrayLayers &&
                            view->layerCount <= image.arrayLayers - view->baseLayer);
    if (view->baseMip >= image.mipLevels || !layersFit) {
        standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                        "the mip slice or array slices lie outside the texture; the view is null");
        return false;
    }
    return true;
}

// One mip of a 2-D texture or of layers of a 2-D array, in the description's
// format or the texture's.
void WriteTextureUav(const D3D12Resource& resource, const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc,
                     DescriptorRecord* record) {
    const std::shared_ptr<GpuImage>& image = resource.Image();
    const void* object = resource.Track()->object;
    ImageViewKey view{image->format, VK_IMAGE_ASPECT_COLOR_BIT, 0, 1};
    if (!ViewedSubresources(*image, desc, object, &view)) {
        return;
    }
    if (desc != nullptr && desc->Format != DXGI_FORMAT_UNKNOWN) {
        const FormatInfo* info = FindFormat(desc->Format);
        if (info == nullptr) {
            standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                            "the format is not one the stand-in knows; the view is null");
            return;
        }
        view.format = info->vulkan;
    }
    record->resource = resource.Track();
    record->format = desc != nullptr && desc->Format != DXGI_FORMAT_UNKNOWN
                         ? desc->Format
                         : resource.Track()->desc.Format;
    record->image = image;
    record->view = view;
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
