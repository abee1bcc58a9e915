// CreateUnorderedAccessView: 1-D, 2-D and 3-D texture views and their array
// forms read and written as storage images, and buffer views (typed,
// structured or raw).
#include "d3d12_device.h"

#include "buffer_views.h"
#include "d3d12_resource.h"
#include "format_table.h"
#include "view_formats.h"

#include <debug_messages.h>

#include <algorithm>

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
    record->resource = resource.Track();
    record->format = desc->Format;
    WriteBufferView(kUnorderedAccessBufferView, resource,
                    {desc->Format, view.FirstElement, view.NumElements, view.StructureByteStride,
                     (view.Flags & D3D12_BUFFER_UAV_FLAG_RAW) != 0},
                    record);
}

void ReportOutside(const void* object) {
    standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                    "the mip slice or array slices lie outside the texture; the view is null");
}

// The view dimensions that fit an image of `type`: its single and its array
// dimension (the same for 3-D).
struct ViewDimensions {
    D3D12_UAV_DIMENSION single;
    D3D12_UAV_DIMENSION array;
    VkImageViewType singleType;
    VkImageViewType arrayType;
};

ViewDimensions DimensionsOf(VkImageType type) {
    if (type == VK_IMAGE_TYPE_1D) {
        return {D3D12_UAV_DIMENSION_TEXTURE1D, D3D12_UAV_DIMENSION_TEXTURE1DARRAY,
                VK_IMAGE_VIEW_TYPE_1D, VK_IMAGE_VIEW_TYPE_1D_ARRAY};
    }
    if (type == VK_IMAGE_TYPE_3D) {
        return {D3D12_UAV_DIMENSION_TEXTURE3D, D3D12_UAV_DIMENSION_TEXTURE3D, VK_IMAGE_VIEW_TYPE_3D,
                VK_IMAGE_VIEW_TYPE_3D};
    }
    return {D3D12_UAV_DIMENSION_TEXTURE2D, D3D12_UAV_DIMENSION_TEXTURE2DARRAY,
            VK_IMAGE_VIEW_TYPE_2D, VK_IMAGE_VIEW_TYPE_2D_ARRAY};
}

// The mip a 3-D view names, which must show every depth slice of it: a view
// of some slices has no Vulkan storage image view.
bool ViewedVolume(const GpuImage& image, const D3D12_TEX3D_UAV& volume, const void* object,
                  ImageViewKey* view) {
    view->baseMip = volume.MipSlice;
    const uint32_t depth = volume.MipSlice < 32 ? std::max(1u, image.depth >> volume.MipSlice) : 1;
    if (volume.FirstWSlice != 0 || (volume.WSize != UINT(-1) && volume.WSize != depth)) {
        standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                        "a 3-D view of some of a mip's depth slices is not supported by the "
                        "stand-in; the view is null");
        return false;
    }
    return true;
}

// The array slices an array view names: 1-D and 2-D arrays keep them in the
// same members.
void ViewedLayers(const GpuImage& image, UINT mip, UINT first, UINT size, ImageViewKey* view) {
    view->baseMip = mip;
    view->baseLayer = first;
    view->layerCount =
        size == UINT(-1) && first < image.arrayLayers ? image.arrayLayers - first : size;
}

// The mip and layers a texture view description names: false (with a
// message) for a dimension that does not fit the texture, or a range outside
// it. Without a description, mip 0 of the first layer, or of every layer of
// an array.
bool ViewedSubresources(const GpuImage& image, const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc,
                        const void* object, ImageViewKey* view) {
    const ViewDimensions fits = DimensionsOf(image.type);
    view->layerCount = image.arrayLayers;
    view->type = image.arrayLayers > 1 ? fits.arrayType : fits.singleType;
    if (desc == nullptr) {
        return true;
    }
    const bool array = desc->ViewDimension == fits.array && fits.array != fits.single;
    if (desc->ViewDimension == D3D12_UAV_DIMENSION_TEXTURE3D && image.type == VK_IMAGE_TYPE_3D) {
        view->type = fits.singleType;
        view->layerCount = 1;
        if (!ViewedVolume(image, desc->Texture3D, object, view)) {
            return false;
        }
    } else if (desc->ViewDimension == fits.single) {
        view->baseMip =
            image.type == VK_IMAGE_TYPE_1D ? desc->Texture1D.MipSlice : desc->Texture2D.MipSlice;
        view->layerCount = 1;
        view->type = fits.singleType;
    } else if (array && image.type == VK_IMAGE_TYPE_1D) {
        view->type = fits.arrayType;
        const D3D12_TEX1D_ARRAY_UAV& layers = desc->Texture1DArray;
        ViewedLayers(image, layers.MipSlice, layers.FirstArraySlice, layers.ArraySize, view);
    } else if (array) {
        view->type = fits.arrayType;
        const D3D12_TEX2D_ARRAY_UAV& layers = desc->Texture2DArray;
        ViewedLayers(image, layers.MipSlice, layers.FirstArraySlice, layers.ArraySize, view);
    } else if (desc->ViewDimension == D3D12_UAV_DIMENSION_BUFFER) {
        standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_INVALIDDESC, object,
                               kMethod);
        return false;
    } else {
        standin::Report(standin::messages::REFUSED_CALL, object, kMethod,
                        "the view dimension does not fit the texture's; the view is null");
        return false;
    }
    const bool layersFit = !array || (view->layerCount > 0 && view->baseLayer < image.arrayLayers &&
                                      view->layerCount <= image.arrayLayers - view->baseLayer);
    if (view->baseMip >= image.mipLevels || !layersFit) {
        ReportOutside(object);
        return false;
    }
    return true;
}

// One mip of a texture or of layers of an array, in the description's
// format or the texture's.
void WriteTextureUav(const D3D12Resource& resource, const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc,
                     DescriptorRecord* record) {
    const std::shared_ptr<GpuImage>& image = resource.Image();
    const void* object = resource.Track()->object;
    ImageViewKey view{image->format, VK_IMAGE_ASPECT_COLOR_BIT, 0, 1};
    if (!ViewedSubresources(*image, desc, object, &view)) {
        return;
    }
    if (!ResolveViewFormat(desc != nullptr ? desc->Format : DXGI_FORMAT_UNKNOWN, *image,
                           ViewUse::UnorderedAccess, "CreateUnorderedAccessView", &view)) {
        return;
    }
    record->resource = resource.Track();
    record->format = desc != nullptr && desc->Format != DXGI_FORMAT_UNKNOWN
                         ? desc->Format
                         : resource.Track()->desc.Format;
    record->image = image;
    record->view = view;
}

// Windows' checks of a view's counter, each reported as its debug layer
// words it; false when any fails. `viewed` and `counter` may be null.
bool CounterFits(const D3D12Resource* viewed, const D3D12Resource* counter,
                 const D3D12_UNORDERED_ACCESS_VIEW_DESC* desc) {
    using namespace standin::messages;
    const void* object = viewed != nullptr ? viewed->Track()->object : nullptr;
    if (counter == nullptr) {
        const bool offset = desc != nullptr && desc->ViewDimension == D3D12_UAV_DIMENSION_BUFFER &&
                            desc->Buffer.CounterOffsetInBytes != 0;
        return !offset || !standin::ReportWindows(COUNTER_OFFSET_WITHOUT_COUNTER, object, kMethod);
    }
    bool fits = true;
    auto fail = [&](const standin::MessageKind& kind, auto... arguments) {
        standin::ReportWindows(kind, object, kMethod, arguments...);
        fits = false;
    };
    if (viewed != nullptr && viewed->Buffer() == nullptr) {
        fail(CREATE_UNORDEREDACCESS_VIEW_INVALID_COUNTER_USAGE);
    }
    if (counter->Buffer() == nullptr) {
        fail(COUNTER_RESOURCE_NOT_BUFFER);
    }
    if (viewed == nullptr) {
        fail(COUNTER_WITHOUT_RESOURCE);
    }
    if (desc == nullptr) {
        fail(COUNTER_NOT_STRUCTURED);
        return false;
    }
    const D3D12_BUFFER_UAV& view = desc->Buffer;
    if (view.CounterOffsetInBytes % D3D12_UAV_COUNTER_PLACEMENT_ALIGNMENT != 0) {
        fail(COUNTER_OFFSET_ALIGNMENT, unsigned(D3D12_UAV_COUNTER_PLACEMENT_ALIGNMENT));
    }
    const uint64_t width = counter->Track()->desc.Width;
    if (width < sizeof(uint32_t) || view.CounterOffsetInBytes > width - sizeof(uint32_t)) {
        fail(COUNTER_OFFSET_RANGE);
    }
    if (view.StructureByteStride == 0 || desc->Format != DXGI_FORMAT_UNKNOWN ||
        (view.Flags & D3D12_BUFFER_UAV_FLAG_RAW) != 0) {
        fail(COUNTER_NOT_STRUCTURED);
    }
    return fits;
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
    D3D12Resource* viewed = resource != nullptr ? D3D12Resource::FromInterface(resource) : nullptr;
    D3D12Resource* counted = counter != nullptr ? D3D12Resource::FromInterface(counter) : nullptr;
    if ((resource != nullptr && viewed == nullptr) || (counter != nullptr && counted == nullptr)) {
        standin::ReportRefusal("ID3D12Device", "CreateUnorderedAccessView",
                               "the resource or counter resource is not a stand-in resource");
        return;
    }
    if (!CounterFits(viewed, counted, desc)) {
        return;
    }
    if (resource == nullptr) {
        WriteNullView(desc, record);
        return;
    }
    const ResourceTrack& track = *viewed->Track();
    if ((track.desc.Flags & D3D12_RESOURCE_FLAG_ALLOW_UNORDERED_ACCESS) == 0) {
        standin::ReportWindows(standin::messages::CREATEUNORDEREDACCESSVIEW_INVALIDRESOURCE,
                               track.object, kMethod);
        return;
    }
    if (viewed->Buffer() != nullptr) {
        WriteBufferUav(*viewed, desc, record);
        if (counted != nullptr && !record->buffer.expired()) {
            record->counterBuffer = counted->Buffer();
            record->counterOffset = desc->Buffer.CounterOffsetInBytes;
        }
    } else {
        WriteTextureUav(*viewed, desc, record);
    }
}

} // namespace d3d12_standin
