// ResourceBarrier: transitions recorded for the translator and the
// validation layer, after the debug layer's checks of each one.
#include "d3d12_command_list.h"

#include "d3d12_resource.h"
#include "debug_text.h"
#include "resource_state_rules.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

constexpr const char* kMethod = "ID3D12CommandList::ResourceBarrier";

uint32_t SubresourceCount(const ResourceTrack& track) {
    return track.states->Count();
}

// A UAV barrier makes earlier unordered-access writes visible to later
// unordered access; an aliasing barrier, every earlier write to every later
// use. Both are memory barriers, whatever resources they name.
CmdTransition MemoryBarrierFor(D3D12_RESOURCE_BARRIER_TYPE type) {
    const D3D12_RESOURCE_STATES states = type == D3D12_RESOURCE_BARRIER_TYPE_UAV
                                             ? D3D12_RESOURCE_STATE_UNORDERED_ACCESS
                                             : kEveryState;
    return {nullptr, states, states, nullptr, kAllSubresources};
}

} // namespace

bool D3D12GraphicsCommandList::CheckTransition(const D3D12_RESOURCE_TRANSITION_BARRIER& transition,
                                               UINT flags, const D3D12Resource& resource) {
    using namespace standin::messages;
    const ResourceTrack& track = *resource.Track();
    // Named only when something is reported: this runs for every barrier.
    auto name = [&track] { return ResourceText(track); };
    if (transition.Subresource != D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES &&
        transition.Subresource >= SubresourceCount(track)) {
        standin::ReportWindows(RESOURCE_BARRIER_INVALID_SUBRESOURCE, track.object, kMethod,
                               transition.Subresource, name().c_str(), SubresourceCount(track));
        return false;
    }
    for (D3D12_RESOURCE_STATES state : {transition.StateBefore, transition.StateAfter}) {
        if (!IsValidStateCombination(state)) {
            standin::ReportWindows(RESOURCE_BARRIER_INVALID_COMBINATION, track.object, kMethod,
                                   StateText(state).c_str(), name().c_str());
            return false;
        }
        if (const char* flag = MissingFlagFor(track.desc, state)) {
            standin::ReportWindows(RESOURCE_BARRIER_MISSING_BIND_FLAGS, track.object, kMethod,
                                   name().c_str(), StateText(state).c_str(), flag);
            return false;
        }
    }
    if (transition.StateBefore == transition.StateAfter) {
        standin::ReportWindows(RESOURCE_BARRIER_MATCHING_STATES, track.object, kMethod);
        return false;
    }
    if (track.heapType == D3D12_HEAP_TYPE_UPLOAD) {
        // Upload resources stay in GENERIC_READ.
        standin::ReportWindows(RESOURCE_BARRIER_INVALID_HEAP, track.object, kMethod);
        return false;
    }
    return CheckSplitBarrier(transition, flags, resource);
}

// A split barrier's END_ONLY half needs its BEGIN_ONLY half earlier in the list.
bool D3D12GraphicsCommandList::CheckSplitBarrier(
    const D3D12_RESOURCE_TRANSITION_BARRIER& transition, UINT flags,
    const D3D12Resource& resource) {
    const void* object = resource.Track()->object;
    std::pair<const void*, UINT> key{object, transition.Subresource};
    if ((flags & D3D12_RESOURCE_BARRIER_FLAG_BEGIN_ONLY) != 0) {
        splitBegun_.insert(key);
    } else if ((flags & D3D12_RESOURCE_BARRIER_FLAG_END_ONLY) != 0 && splitBegun_.erase(key) == 0) {
        standin::ReportWindows(standin::messages::RESOURCE_BARRIER_UNMATCHED_END, object, kMethod,
                               ResourceText(*resource.Track()).c_str(), transition.Subresource);
    }
    return true;
}

void STDMETHODCALLTYPE
D3D12GraphicsCommandList::ResourceBarrier(UINT count, const D3D12_RESOURCE_BARRIER* barriers) {
    if (!Recording()) {
        return;
    }
    if (count > 0 && barriers == nullptr) {
        Fail("ResourceBarrier", "no barrier array");
        return;
    }
    CmdBarriers command;
    for (UINT i = 0; i < count; ++i) {
        const D3D12_RESOURCE_BARRIER& barrier = barriers[i];
        if (barrier.Type != D3D12_RESOURCE_BARRIER_TYPE_TRANSITION) {
            command.transitions.push_back(MemoryBarrierFor(barrier.Type));
            continue;
        }
        const D3D12_RESOURCE_TRANSITION_BARRIER& transition = barrier.Transition;
        D3D12Resource* resource = D3D12Resource::FromInterface(transition.pResource);
        if (resource == nullptr) {
            Fail("ResourceBarrier", "a transition names no stand-in resource");
            return;
        }
        if ((debugLayer_ && !CheckTransition(transition, barrier.Flags, *resource)) ||
            (barrier.Flags & D3D12_RESOURCE_BARRIER_FLAG_BEGIN_ONLY) != 0) {
            continue; // dropped; a split barrier takes effect at its END_ONLY half
        }
        command.transitions.push_back({resource->Image(), transition.StateBefore,
                                       transition.StateAfter, resource->Track(),
                                       transition.Subresource});
    }
    commands_.push_back(std::move(command));
}

} // namespace d3d12_standin
