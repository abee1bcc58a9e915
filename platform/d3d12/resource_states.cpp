#include "resource_states.h"

namespace d3d12_standin {

bool SubresourceStates::Promote(uint32_t index, D3D12_RESOURCE_STATES wanted) {
    D3D12_RESOURCE_STATES& state = states_[index];
    const bool readOnly = IsReadOnlyState(wanted);
    if (state == D3D12_RESOURCE_STATE_COMMON) {
        if (!CanPromoteFromCommon(promotion_, wanted)) {
            return false;
        }
        state = wanted;
        promotedToRead_[index] = readOnly;
        return true;
    }
    if (promotedToRead_[index] != 0 && readOnly) {
        state = D3D12_RESOURCE_STATES(state | wanted);
        return true;
    }
    return false;
}

D3D12_RESOURCE_STATES SubresourceStates::Transition(uint32_t index, D3D12_RESOURCE_STATES after) {
    D3D12_RESOURCE_STATES before = states_[index];
    states_[index] = after;
    promotedToRead_[index] = 0;
    return before;
}

void SubresourceStates::EndList() {
    for (size_t i = 0; i < states_.size(); ++i) {
        if (DecaysAtListEnd(promotion_, promotedToRead_[i] != 0)) {
            states_[i] = D3D12_RESOURCE_STATE_COMMON;
        }
        promotedToRead_[i] = 0;
    }
}

} // namespace d3d12_standin
