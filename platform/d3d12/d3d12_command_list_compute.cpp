// Root signatures and root arguments of both kinds, and Dispatch. The compute
// root signature and arguments are kept apart from the graphics ones, as on
// Windows: a dispatch reads only the compute ones.
#include "d3d12_command_list.h"

#include "d3d12_device.h"
#include "d3d12_root_signature.h"

#include <debug_messages.h>

namespace d3d12_standin {

void D3D12GraphicsCommandList::SetRootSignature(const char* method,
                                                ID3D12RootSignature* rootSignature, bool compute) {
    if (!Recording()) {
        return;
    }
    D3D12RootSignature* standin = D3D12RootSignature::FromInterface(rootSignature);
    if (rootSignature != nullptr && standin == nullptr) {
        Fail(method, "not a root signature of this stand-in");
        return;
    }
    commands_.push_back(CmdSetRootSignature{standin != nullptr ? standin->Layout() : nullptr,
                                            rootSignature, compute});
    RecordedDrawState& state = ArgumentState(compute);
    // Another root signature leaves every root parameter unset.
    if (state.rootSignatureObject != rootSignature) {
        state.tablesSet.reset();
    }
    state.rootSignature = standin != nullptr ? standin->Layout() : nullptr;
    state.rootSignatureObject = rootSignature;
}

void D3D12GraphicsCommandList::SetRootTable(const char* method, UINT parameter,
                                            D3D12_GPU_DESCRIPTOR_HANDLE base, bool compute) {
    if (!Recording()) {
        return;
    }
    uint32_t first = 0;
    std::shared_ptr<DescriptorStorage> heap = Device()->Core().ResolveGpuHandle(base.ptr, &first);
    if (heap == nullptr) {
        Fail(method, "the GPU handle is not inside a live shader-visible descriptor heap");
        return;
    }
    RecordedDrawState& state = ArgumentState(compute);
    if (parameter < state.tablesSet.size()) {
        state.tablesSet.set(parameter);
    }
    commands_.push_back(CmdSetTable{parameter, std::move(heap), first, base.ptr, compute});
}

void STDMETHODCALLTYPE
D3D12GraphicsCommandList::SetComputeRootSignature(ID3D12RootSignature* rootSignature) {
    SetRootSignature("SetComputeRootSignature", rootSignature, true);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetComputeRootDescriptorTable(
    UINT parameter, D3D12_GPU_DESCRIPTOR_HANDLE base) {
    SetRootTable("SetComputeRootDescriptorTable", parameter, base, true);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetComputeRoot32BitConstant(UINT parameter,
                                                                             UINT value,
                                                                             UINT offset) {
    SetRootConstants("ID3D12CommandList::SetComputeRoot32BitConstant", parameter, 1, &value, offset,
                     true);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetComputeRoot32BitConstants(UINT parameter,
                                                                              UINT count,
                                                                              const void* values,
                                                                              UINT offset) {
    SetRootConstants("ID3D12CommandList::SetComputeRoot32BitConstants", parameter, count, values,
                     offset, true);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetComputeRootConstantBufferView(
    UINT parameter, D3D12_GPU_VIRTUAL_ADDRESS address) {
    SetRootView("ID3D12CommandList::SetComputeRootConstantBufferView", parameter,
                D3D12_ROOT_PARAMETER_TYPE_CBV, address, true);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetComputeRootShaderResourceView(
    UINT parameter, D3D12_GPU_VIRTUAL_ADDRESS address) {
    SetRootView("ID3D12CommandList::SetComputeRootShaderResourceView", parameter,
                D3D12_ROOT_PARAMETER_TYPE_SRV, address, true);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetComputeRootUnorderedAccessView(
    UINT parameter, D3D12_GPU_VIRTUAL_ADDRESS address) {
    SetRootView("ID3D12CommandList::SetComputeRootUnorderedAccessView", parameter,
                D3D12_ROOT_PARAMETER_TYPE_UAV, address, true);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetGraphicsRootUnorderedAccessView(
    UINT parameter, D3D12_GPU_VIRTUAL_ADDRESS address) {
    SetRootView("ID3D12CommandList::SetGraphicsRootUnorderedAccessView", parameter,
                D3D12_ROOT_PARAMETER_TYPE_UAV, address, false);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::Dispatch(UINT x, UINT y, UINT z) {
    if (!Recording()) {
        return;
    }
    // Each count is at most D3D12_CS_DISPATCH_MAX_THREAD_GROUPS_PER_DIMENSION
    // (the Dispatch reference page); what lies past it is dropped.
    constexpr UINT kMax = D3D12_CS_DISPATCH_MAX_THREAD_GROUPS_PER_DIMENSION;
    if (x > kMax || y > kMax || z > kMax) {
        standin::Report(standin::messages::REFUSED_CALL, Self(),
                        "ID3D12GraphicsCommandList::Dispatch",
                        "thread group counts (%u, %u, %u) exceed %u in a dimension; the dispatch "
                        "is dropped",
                        x, y, z, kMax);
        return;
    }
    if (debugLayer_) {
        CheckDispatchState(computeState_, drawState_.pipeline != nullptr, Self());
    }
    commands_.push_back(CmdDispatch{x, y, z});
}

} // namespace d3d12_standin
