// The Direct3D 12 state of every subresource of one resource, followed once:
// the pass over each executed list (debug_layer.cpp) moves it, command by
// command, through barriers, promotion and decay; the validation layer
// reports from what each move found and the translator picks Vulkan layouts
// and barriers from the same states.
#pragma once

#include "resource_state_rules.h"

#include <cstdint>
#include <vector>

namespace d3d12_standin {

class SubresourceStates {
public:
    // Subresource i is mip + layer * mips + plane * mips * layers, as Direct3D
    // 12 numbers them.
    SubresourceStates(uint32_t count, D3D12_RESOURCE_STATES initial, Promotion promotion)
        : states_(count, initial), promotedToRead_(count, 0), promotion_(promotion) {}

    uint32_t Count() const { return uint32_t(states_.size()); }
    D3D12_RESOURCE_STATES operator[](uint32_t index) const { return states_[index]; }
    const std::vector<D3D12_RESOURCE_STATES>& Values() const { return states_; }

    // A use wanting `wanted` of a subresource not in it: promotes one in
    // COMMON (or one promoted to read-only states, to more of them) where the
    // rules allow; false when the state stays short of the use.
    bool Promote(uint32_t index, D3D12_RESOURCE_STATES wanted);
    // A barrier moves the subresource to `after`; returns the state it was
    // really in, whatever the barrier said.
    D3D12_RESOURCE_STATES Transition(uint32_t index, D3D12_RESOURCE_STATES after);
    // The list ends: promoted states decay to COMMON as the rules say.
    void EndList();

private:
    std::vector<D3D12_RESOURCE_STATES> states_;
    std::vector<uint8_t> promotedToRead_; // by the list executing now
    Promotion promotion_;
};

// What one subresource of a barrier's transition (its index in the
// command) was in before it moved.
struct StateChange {
    uint32_t transition;
    uint32_t subresource;
    D3D12_RESOURCE_STATES before;
};

} // namespace d3d12_standin
