// Indexed draws: the index buffer view and DrawIndexedInstanced.
#include "d3d12_command_list.h"

#include "d3d12_device.h"

#include "debug_text.h"

#include <debug_messages.h>

namespace d3d12_standin {

void STDMETHODCALLTYPE
D3D12GraphicsCommandList::IASetIndexBuffer(const D3D12_INDEX_BUFFER_VIEW* view) {
    if (!Recording()) {
        return;
    }
    CmdSetIndexBuffer command;
    if (view != nullptr && view->BufferLocation != 0) {
        if (view->Format != DXGI_FORMAT_R16_UINT && view->Format != DXGI_FORMAT_R32_UINT) {
            standin::ReportWindows(standin::messages::SET_INDEX_BUFFER_INVALID_DESC, Self(),
                                   "ID3D12CommandList::IASetIndexBuffer", FormatName(view->Format));
            MarkFailed();
            return;
        }
        command.buffer = Device()->Core().ResolveAddress(view->BufferLocation, &command.offset);
        if (command.buffer == nullptr) {
            Fail("IASetIndexBuffer", "the view's BufferLocation lies in no live buffer");
            return;
        }
        uint64_t available = command.buffer->size - command.offset;
        command.size = view->SizeInBytes < available ? view->SizeInBytes : available;
        command.format = view->Format;
    }
    drawState_.indexBufferSet = command.buffer != nullptr;
    commands_.push_back(std::move(command));
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::DrawIndexedInstanced(
    UINT indexCount, UINT instanceCount, UINT startIndex, INT baseVertex, UINT startInstance) {
    if (!Recording()) {
        return;
    }
    if (debugLayer_) {
        CheckDrawState(drawState_, Self(), true);
    }
    CmdDraw draw{indexCount, instanceCount, 0, startInstance};
    draw.indexed = true;
    draw.startIndex = startIndex;
    draw.baseVertex = baseVertex;
    commands_.push_back(draw);
}

} // namespace d3d12_standin
