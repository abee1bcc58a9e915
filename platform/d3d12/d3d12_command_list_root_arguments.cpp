// Root constants and root views as a graphics list records them; the debug
// layer checks each against the root signature set on the list.
#include "d3d12_command_list.h"

#include "d3d12_device.h"

#include <debug_messages.h>

#include <string>

namespace d3d12_standin {
namespace {

using namespace standin::messages;

// Why root parameter `index` of the list's root signature cannot take an
// argument of `type`; null when it can.
const char* ParameterProblem(const RecordedDrawState& state, UINT index,
                             D3D12_ROOT_PARAMETER_TYPE type, bool compute) {
    if (state.rootSignature == nullptr) {
        return compute ? "no compute root signature is set" : "no graphics root signature is set";
    }
    const std::vector<dxbc::RootParameter>& parameters = state.rootSignature->desc.parameters;
    if (index >= parameters.size()) {
        return "the index is past the root signature's parameters";
    }
    return parameters[index].type == type ? nullptr : "the root parameter is of another type";
}

} // namespace

void D3D12GraphicsCommandList::SetRootConstants(const char* method, UINT parameter, UINT count,
                                                const void* values, UINT offset, bool compute) {
    if (!Recording()) {
        return;
    }
    RecordedDrawState& state = ArgumentState(compute);
    const char* problem =
        ParameterProblem(state, parameter, D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS, compute);
    if (problem == nullptr &&
        uint64_t(offset) + count >
            state.rootSignature->desc.parameters[parameter].constants.Num32BitValues) {
        problem = "the values reach past the parameter's Num32BitValues";
    }
    if (problem == nullptr && count > 0 && values == nullptr) {
        problem = "no values are given";
    }
    if (problem != nullptr) {
        standin::ReportWindows(SET_ROOT_CONSTANT_INVALID, Self(), method, parameter, count, offset,
                               problem);
        MarkFailed();
        return;
    }
    const uint32_t* first = static_cast<const uint32_t*>(values);
    state.tablesSet.set(parameter);
    commands_.push_back(CmdSetRootConstants{parameter, offset,
                                            std::vector<uint32_t>(first, first + count), compute});
}

void D3D12GraphicsCommandList::SetRootView(const char* method, UINT parameter,
                                           D3D12_ROOT_PARAMETER_TYPE type,
                                           D3D12_GPU_VIRTUAL_ADDRESS address, bool compute) {
    if (!Recording()) {
        return;
    }
    RecordedDrawState& state = ArgumentState(compute);
    CmdSetRootView command{parameter, nullptr, 0, compute};
    const char* problem = ParameterProblem(state, parameter, type, compute);
    if (problem == nullptr) {
        command.buffer = Device()->Core().ResolveAddress(address, &command.offset);
        problem = command.buffer == nullptr ? "the address lies in no live buffer" : nullptr;
    }
    if (problem != nullptr) {
        standin::ReportWindows(
            type == D3D12_ROOT_PARAMETER_TYPE_CBV   ? SET_ROOT_CONSTANT_BUFFER_VIEW_INVALID
            : type == D3D12_ROOT_PARAMETER_TYPE_SRV ? SET_ROOT_SHADER_RESOURCE_VIEW_INVALID
                                                    : SET_ROOT_UNORDERED_ACCESS_VIEW_INVALID,
            Self(), method, parameter, problem);
        MarkFailed();
        return;
    }
    state.tablesSet.set(parameter);
    commands_.push_back(std::move(command));
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetGraphicsRoot32BitConstant(UINT parameter,
                                                                              UINT value,
                                                                              UINT offset) {
    SetRootConstants("ID3D12CommandList::SetGraphicsRoot32BitConstant", parameter, 1, &value,
                     offset);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetGraphicsRoot32BitConstants(UINT parameter,
                                                                               UINT count,
                                                                               const void* values,
                                                                               UINT offset) {
    SetRootConstants("ID3D12CommandList::SetGraphicsRoot32BitConstants", parameter, count, values,
                     offset);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetGraphicsRootConstantBufferView(
    UINT parameter, D3D12_GPU_VIRTUAL_ADDRESS address) {
    SetRootView("ID3D12CommandList::SetGraphicsRootConstantBufferView", parameter,
                D3D12_ROOT_PARAMETER_TYPE_CBV, address);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetGraphicsRootShaderResourceView(
    UINT parameter, D3D12_GPU_VIRTUAL_ADDRESS address) {
    SetRootView("ID3D12CommandList::SetGraphicsRootShaderResourceView", parameter,
                D3D12_ROOT_PARAMETER_TYPE_SRV, address);
}

} // namespace d3d12_standin
