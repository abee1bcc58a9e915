// DiscardResource: the debug layer's checks of the region, and the state the
// discarded subresources must be in (the DiscardResource page: RENDER_TARGET
// for render targets, DEPTH_WRITE for depth buffers, else UNORDERED_ACCESS).
#include "d3d12_command_list.h"

#include "d3d12_resource.h"
#include "debug_text.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

constexpr const char* kMethod = "ID3D12CommandList::DiscardResource";

D3D12_RESOURCE_STATES DiscardedState(D3D12_RESOURCE_FLAGS flags) {
    if ((flags & D3D12_RESOURCE_FLAG_ALLOW_RENDER_TARGET) != 0) {
        return D3D12_RESOURCE_STATE_RENDER_TARGET;
    }
    if ((flags & D3D12_RESOURCE_FLAG_ALLOW_DEPTH_STENCIL) != 0) {
        return D3D12_RESOURCE_STATE_DEPTH_WRITE;
    }
    return D3D12_RESOURCE_STATE_UNORDERED_ACCESS;
}

// False, reported, where the region is one the layer refuses.
bool CheckRegion(D3D12Resource& resource, const D3D12_DISCARD_REGION& region) {
    using namespace standin::messages;
    const ResourceTrack& track = *resource.Track();
    const D3D12_RESOURCE_DESC desc = resource.GetDesc();
    const uint32_t count = track.states->Count();
    if (region.FirstSubresource >= count ||
        region.NumSubresources > count - region.FirstSubresource) {
        standin::ReportWindows(
            DISCARD_INVALID_SUBRESOURCE_RANGE, track.object, kMethod, region.FirstSubresource,
            region.FirstSubresource + region.NumSubresources, ResourceText(track).c_str(), count);
        return false;
    }
    if (region.NumRects == 0) {
        return true;
    }
    if (desc.Dimension != D3D12_RESOURCE_DIMENSION_TEXTURE2D) {
        standin::ReportWindows(DISCARD_NO_RECTS_FOR_NON_TEXTURE2D, track.object, kMethod,
                               ResourceText(track).c_str());
        return false;
    }
    if (desc.MipLevels > 1 && region.NumSubresources != 1) {
        standin::ReportWindows(DISCARD_ONE_SUBRESOURCE_FOR_MIPS_WITH_RECTS, track.object, kMethod,
                               ResourceText(track).c_str(), region.NumSubresources);
        return false;
    }
    return true;
}

} // namespace

void STDMETHODCALLTYPE D3D12GraphicsCommandList::DiscardResource(
    ID3D12Resource* resource, const D3D12_DISCARD_REGION* region) {
    if (!Recording()) {
        return;
    }
    D3D12Resource* discarded = D3D12Resource::FromInterface(resource);
    if (discarded == nullptr) {
        Fail("DiscardResource", "not a resource of this stand-in");
        return;
    }
    const uint32_t count = discarded->Track()->states->Count();
    D3D12_DISCARD_REGION whole{0, nullptr, 0, count};
    if (region != nullptr && !CheckRegion(*discarded, *region)) {
        MarkFailed();
        return;
    }
    const D3D12_DISCARD_REGION& used = region != nullptr ? *region : whole;
    CmdDiscard command{{discarded->Track(), used.FirstSubresource, DXGI_FORMAT_UNKNOWN},
                       used.NumSubresources,
                       DiscardedState(discarded->GetDesc().Flags)};
    commands_.push_back(std::move(command));
}

} // namespace d3d12_standin
