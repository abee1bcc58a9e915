// ExecuteIndirect: the call's parameters checked as the runtime checks them
// (the ExecuteIndirect page on learn.microsoft.com), then the same draw-time
// checks as DrawInstanced, DrawIndexedInstanced or Dispatch.
#include "d3d12_command_list.h"

#include "d3d12_command_signature.h"
#include "d3d12_resource.h"

#include <debug_messages.h>

namespace d3d12_standin {
namespace {

constexpr const char* kMethod = "ID3D12CommandList::ExecuteIndirect";

std::shared_ptr<GpuBuffer> BufferOf(ID3D12Resource* resource) {
    D3D12Resource* standin = D3D12Resource::FromInterface(resource);
    return standin != nullptr ? standin->Buffer() : nullptr;
}

// Why the call cannot record, or null. Offsets into either buffer are
// multiples of 4, and every command read lies inside the argument buffer.
const char* Refusal(const D3D12CommandSignature* signature, UINT maxCount,
                    const GpuBuffer* arguments, UINT64 offset, ID3D12Resource* countResource,
                    const GpuBuffer* count, UINT64 countOffset, D3D12_COMMAND_LIST_TYPE listType) {
    if (signature == nullptr) {
        return "pCommandSignature is not a command signature";
    }
    if (listType == D3D12_COMMAND_LIST_TYPE_COPY) {
        return "a copy command list cannot execute indirect commands";
    }
    if (signature->Kind() != IndirectKind::Dispatch && listType != D3D12_COMMAND_LIST_TYPE_DIRECT &&
        listType != D3D12_COMMAND_LIST_TYPE_BUNDLE) {
        return "a draw command signature needs a direct command list";
    }
    if (arguments == nullptr) {
        return "pArgumentBuffer is not a buffer";
    }
    if (offset % 4 != 0) {
        return "ArgumentBufferOffset is not a multiple of 4";
    }
    // At most (2^32 - 1)^2 plus 20 bytes: no overflow.
    const uint64_t span = uint64_t(signature->ByteStride()) * (maxCount > 0 ? maxCount - 1 : 0) +
                          signature->ArgumentsSize();
    if (maxCount > 0 && (offset > arguments->size || span > arguments->size - offset)) {
        return "MaxCommandCount commands from ArgumentBufferOffset do not fit in pArgumentBuffer";
    }
    if (countResource != nullptr && count == nullptr) {
        return "pCountBuffer is not a buffer";
    }
    if (count != nullptr &&
        (countOffset % 4 != 0 || count->size < 4 || countOffset > count->size - 4)) {
        return "CountBufferOffset is not a multiple of 4 or leaves no 4 bytes in pCountBuffer";
    }
    return nullptr;
}

} // namespace

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ExecuteIndirect(
    ID3D12CommandSignature* commandSignature, UINT maxCount, ID3D12Resource* argumentBuffer,
    UINT64 offset, ID3D12Resource* countBuffer, UINT64 countOffset) {
    if (!Recording()) {
        return;
    }
    const D3D12CommandSignature* signature = D3D12CommandSignature::FromInterface(commandSignature);
    std::shared_ptr<GpuBuffer> arguments = BufferOf(argumentBuffer);
    std::shared_ptr<GpuBuffer> count = BufferOf(countBuffer);
    if (const char* reason = Refusal(signature, maxCount, arguments.get(), offset, countBuffer,
                                     count.get(), countOffset, type_)) {
        standin::ReportWindows(standin::messages::EXECUTE_INDIRECT_INVALID_PARAMETERS, Self(),
                               kMethod, reason);
        MarkFailed();
        return;
    }
    const IndirectKind kind = signature->Kind();
    if (debugLayer_ && kind == IndirectKind::Dispatch) {
        CheckDispatchState(computeState_, drawState_.pipeline != nullptr, Self(), kMethod);
    } else if (debugLayer_) {
        CheckDrawState(drawState_, Self(), kind == IndirectKind::DrawIndexed, kMethod);
    }
    CmdExecuteIndirect command;
    command.kind = kind;
    command.stride = signature->ByteStride();
    command.maxCount = maxCount;
    command.arguments = std::move(arguments);
    command.offset = offset;
    command.argumentsUse.resource = D3D12Resource::FromInterface(argumentBuffer)->Track();
    command.count = std::move(count);
    command.countOffset = countOffset;
    if (command.count != nullptr) {
        command.countUse.resource = D3D12Resource::FromInterface(countBuffer)->Track();
    }
    commands_.push_back(std::move(command));
}

} // namespace d3d12_standin
