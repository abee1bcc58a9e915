// ResolveSubresource: the debug layer's checks, then a resolve command.
#include "d3d12_command_list.h"

#include "d3d12_resource.h"
#include "debug_text.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

constexpr const char* kMethod = "ID3D12CommandList::ResolveSubresource";

struct ResolveSide {
    D3D12Resource* resource;
    UINT subresource;
    uint32_t mip = 0, layer = 0, width = 0, height = 0;
};

// False, reported, when `side` names no subresource of its texture.
bool Locate(ResolveSide* side, const char* which) {
    const GpuImage& image = *side->resource->Image();
    uint32_t count = image.mipLevels * image.arrayLayers;
    if (side->subresource >= count) {
        standin::ReportWindows(standin::messages::RESOLVESUBRESOURCE_INVALID_SUBRESOURCE_INDEX,
                               side->resource, kMethod, which, side->subresource, count);
        return false;
    }
    SubresourceRange range = image.RangeOfIndex(side->subresource);
    side->mip = range.baseMip;
    side->layer = range.baseLayer;
    side->width = image.width >> side->mip > 0 ? image.width >> side->mip : 1;
    side->height = image.height >> side->mip > 0 ? image.height >> side->mip : 1;
    return true;
}

// The layer's checks of a resolve between two located subresources.
bool CheckResolve(const ResolveSide& source, const ResolveSide& destination, DXGI_FORMAT format) {
    using namespace standin::messages;
    const GpuImage& from = *source.resource->Image();
    const GpuImage& to = *destination.resource->Image();
    if (from.samples == VK_SAMPLE_COUNT_1_BIT || to.samples != VK_SAMPLE_COUNT_1_BIT) {
        standin::ReportWindows(RESOLVESUBRESOURCE_INVALID_SAMPLE_COUNT, source.resource, kMethod,
                               unsigned(from.samples), unsigned(to.samples));
        return false;
    }
    if (source.width != destination.width || source.height != destination.height) {
        standin::ReportWindows(RESOLVESUBRESOURCE_RESOURCE_MISMATCH, source.resource, kMethod,
                               source.width, source.height, destination.width, destination.height);
        return false;
    }
    // Depth formats are not resolved; the stand-in's formats are all typed.
    bool depth = (from.aspect & VK_IMAGE_ASPECT_DEPTH_BIT) != 0;
    if (format != from.dxgiFormat || format != to.dxgiFormat || depth) {
        standin::ReportWindows(RESOLVESUBRESOURCE_INVALID_FORMAT, source.resource, kMethod,
                               FormatName(format), FormatName(from.dxgiFormat),
                               FormatName(to.dxgiFormat));
        return false;
    }
    return true;
}

} // namespace

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ResolveSubresource(ID3D12Resource* destination,
                                                                    UINT destinationSubresource,
                                                                    ID3D12Resource* source,
                                                                    UINT sourceSubresource,
                                                                    DXGI_FORMAT format) {
    using namespace standin::messages;
    if (!Recording()) {
        return;
    }
    ResolveSide to{D3D12Resource::FromInterface(destination), destinationSubresource};
    ResolveSide from{D3D12Resource::FromInterface(source), sourceSubresource};
    if (to.resource == nullptr || to.resource->Image() == nullptr) {
        standin::ReportWindows(RESOLVESUBRESOURCE_NULLDST, nullptr, kMethod);
        MarkFailed();
        return;
    }
    if (from.resource == nullptr || from.resource->Image() == nullptr) {
        standin::ReportWindows(RESOLVESUBRESOURCE_NULLSRC, nullptr, kMethod);
        MarkFailed();
        return;
    }
    if (!Locate(&to, "destination") || !Locate(&from, "source") ||
        !CheckResolve(from, to, format)) {
        MarkFailed();
        return;
    }
    CmdResolve resolve{from.resource->Image(),
                       to.resource->Image(),
                       from.mip,
                       from.layer,
                       to.mip,
                       to.layer,
                       CopyUses{"ResolveSubresource", {}, {}}};
    resolve.uses.destination = {to.resource->Track(), destinationSubresource, format};
    resolve.uses.source = {from.resource->Track(), sourceSubresource, format};
    commands_.push_back(std::move(resolve));
}

} // namespace d3d12_standin
