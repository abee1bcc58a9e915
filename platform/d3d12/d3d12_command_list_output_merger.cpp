// OMSetBlendFactor and OMSetStencilRef: constants the output merger reads.
#include "d3d12_command_list.h"

#include <algorithm>

namespace d3d12_standin {

// A null factor is { 1, 1, 1, 1 } (the OMSetBlendFactor page).
void STDMETHODCALLTYPE D3D12GraphicsCommandList::OMSetBlendFactor(const FLOAT factor[4]) {
    if (!Recording()) {
        return;
    }
    CmdSetBlendFactor command{{1.0f, 1.0f, 1.0f, 1.0f}};
    if (factor != nullptr) {
        std::copy(factor, factor + 4, command.factor);
    }
    commands_.push_back(command);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::OMSetStencilRef(UINT reference) {
    if (Recording()) {
        commands_.push_back(CmdSetStencilRef{reference});
    }
}

} // namespace d3d12_standin
