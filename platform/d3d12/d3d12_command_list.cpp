#include "d3d12_command_list.h"

#include "d3d12_command_allocator.h"
#include "d3d12_descriptor_heap.h"
#include "d3d12_device.h"
#include "d3d12_pipeline_state.h"
#include "d3d12_resource.h"
#include "d3d12_root_signature.h"
#include "debug_layer.h"
#include "debug_text.h"
#include "format_table.h"
#include "render_target_clear_colour.h"

#include <debug_messages.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace d3d12_standin {

D3D12GraphicsCommandList::D3D12GraphicsCommandList(D3D12Device* device,
                                                   D3D12_COMMAND_LIST_TYPE type,
                                                   D3D12CommandAllocator* allocator,
                                                   ID3D12PipelineState* initialState)
    : LiveDeviceChild(device), type_(type), debugLayer_(DebugLayerEnabled()) {
    SetAllocator(allocator);
    if (initialState != nullptr) {
        SetPipelineState(initialState);
    }
}

D3D12GraphicsCommandList::~D3D12GraphicsCommandList() {
    standin::ForgetObject(static_cast<ID3D12GraphicsCommandList*>(this));
    SetAllocator(nullptr);
}

void D3D12GraphicsCommandList::SetAllocator(D3D12CommandAllocator* allocator) {
    if (allocator != nullptr) {
        allocator->AddRef();
        ++allocator->recordingLists;
    }
    if (allocator_ != nullptr) {
        if (recording_) {
            --allocator_->recordingLists;
        }
        allocator_->Release();
    }
    allocator_ = allocator;
}

D3D12GraphicsCommandList* D3D12GraphicsCommandList::FromInterface(ID3D12CommandList* list) {
    return LiveDeviceChild::FromInterface(static_cast<ID3D12GraphicsCommandList*>(list));
}

bool D3D12GraphicsCommandList::Implements(REFIID riid) const {
    return riid == IID_ID3D12Object || riid == IID_ID3D12DeviceChild ||
           riid == IID_ID3D12CommandList || riid == IID_ID3D12GraphicsCommandList;
}

bool D3D12GraphicsCommandList::Recording() {
    if (!recording_) {
        standin::ReportWindows(standin::messages::COMMAND_LIST_CLOSED, Self(),
                               "ID3D12GraphicsCommandList::*");
        failed_ = true;
        return false;
    }
    return true;
}

void D3D12GraphicsCommandList::Fail(const char* method, const char* reason) {
    standin::ReportRefusal("ID3D12GraphicsCommandList", method, "%s", reason);
    failed_ = true;
}

HRESULT STDMETHODCALLTYPE D3D12GraphicsCommandList::Close() {
    if (!recording_) {
        standin::ReportWindows(standin::messages::COMMAND_LIST_CLOSED, Self(),
                               "ID3D12GraphicsCommandList::Close");
        return E_FAIL;
    }
    recording_ = false;
    if (allocator_ != nullptr) {
        --allocator_->recordingLists;
    }
    if (!CheckNoActiveQuery()) {
        MarkFailed();
    }
    if (failed_) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12GraphicsCommandList::Close",
                        "the list recorded an invalid command and cannot be executed");
        return E_FAIL;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE D3D12GraphicsCommandList::Reset(ID3D12CommandAllocator* allocator,
                                                          ID3D12PipelineState* initialState) {
    if (recording_) {
        standin::ReportWindows(standin::messages::COMMAND_LIST_OPEN, Self(),
                               "ID3D12GraphicsCommandList::Reset");
        return E_FAIL;
    }
    if (allocator == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12GraphicsCommandList::Reset", "no allocator");
        return E_INVALIDARG;
    }
    auto* standin = D3D12CommandAllocator::FromInterface(allocator);
    if (standin == nullptr) {
        standin::Report(standin::messages::REFUSED_CALL, nullptr,
                        "ID3D12GraphicsCommandList::Reset",
                        "the allocator is not a stand-in command allocator");
        return E_INVALIDARG;
    }
    if (standin->InUseByAnotherList("ID3D12GraphicsCommandList::Reset")) {
        return E_INVALIDARG;
    }
    commands_.clear();
    ++recordingNumber_;
    drawState_.Forget();
    computeState_.Forget();
    splitBegun_.clear();
    activeQueries_.clear();
    failed_ = false;
    SetAllocator(nullptr);
    recording_ = true;
    SetAllocator(standin);
    if (initialState != nullptr) {
        SetPipelineState(initialState);
    }
    return S_OK;
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::DrawInstanced(UINT vertexCount, UINT instanceCount,
                                                               UINT startVertex,
                                                               UINT startInstance) {
    if (!Recording()) {
        return;
    }
    if (debugLayer_) {
        CheckDrawState(drawState_, Self());
    }
    commands_.push_back(CmdDraw{vertexCount, instanceCount, startVertex, startInstance});
}

bool D3D12GraphicsCommandList::CheckBufferRange(D3D12Resource* to, UINT64 toOffset,
                                                D3D12Resource* from, UINT64 fromOffset,
                                                UINT64 size) {
    using namespace standin::messages;
    struct Side {
        const standin::MessageKind& kind;
        D3D12Resource* resource;
        UINT64 offset;
    };
    bool fits = true;
    for (const Side& side : {Side{COPYBUFFERREGION_DSTRANGEOUTOFBOUNDS, to, toOffset},
                             Side{COPYBUFFERREGION_SRCRANGEOUTOFBOUNDS, from, fromOffset}}) {
        UINT64 length = side.resource->Buffer()->size;
        if (side.offset > length || size > length - side.offset) {
            standin::ReportWindows(
                side.kind, Self(), "ID3D12CommandList::CopyBufferRegion",
                (unsigned long long)side.offset, (unsigned long long)(side.offset + size),
                ResourceText(*side.resource->Track()).c_str(), (unsigned long long)length);
            fits = false;
        }
    }
    return fits;
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::CopyBufferRegion(ID3D12Resource* destination,
                                                                  UINT64 destinationOffset,
                                                                  ID3D12Resource* source,
                                                                  UINT64 sourceOffset,
                                                                  UINT64 size) {
    if (!Recording()) {
        return;
    }
    D3D12Resource* to = D3D12Resource::FromInterface(destination);
    D3D12Resource* from = D3D12Resource::FromInterface(source);
    if (to == nullptr || from == nullptr || to->Buffer() == nullptr || from->Buffer() == nullptr) {
        Fail("CopyBufferRegion", "both resources must be stand-in buffers");
        return;
    }
    if (!CheckBufferRange(to, destinationOffset, from, sourceOffset, size)) {
        MarkFailed();
        return;
    }
    if (size == 0) {
        return;
    }
    commands_.push_back(CmdCopyBuffer{to->Buffer(),
                                      destinationOffset,
                                      from->Buffer(),
                                      sourceOffset,
                                      size,
                                      {"CopyBufferRegion",
                                       {to->Track(), 0, DXGI_FORMAT_UNKNOWN},
                                       {from->Track(), 0, DXGI_FORMAT_UNKNOWN}}});
}

void STDMETHODCALLTYPE
D3D12GraphicsCommandList::IASetPrimitiveTopology(D3D12_PRIMITIVE_TOPOLOGY topology) {
    if (Recording()) {
        commands_.push_back(CmdSetTopology{topology});
        drawState_.topology = topology;
    }
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::RSSetViewports(UINT count,
                                                                const D3D12_VIEWPORT* viewports) {
    if (Recording() && count > D3D12_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE) {
        Fail("RSSetViewports", "more viewports than a pipeline has (16)");
        return;
    }
    RecordArray<CmdSetViewports>("RSSetViewports", count, viewports, "no viewport array");
    drawState_.viewports = viewports != nullptr ? count : 0;
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::RSSetScissorRects(UINT count,
                                                                   const D3D12_RECT* rects) {
    if (Recording() && count > D3D12_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE) {
        Fail("RSSetScissorRects", "more scissor rectangles than a pipeline has (16)");
        return;
    }
    RecordArray<CmdSetScissors>("RSSetScissorRects", count, rects, "no rectangle array");
    drawState_.scissors.assign(rects, rects != nullptr ? rects + count : rects);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetPipelineState(ID3D12PipelineState* state) {
    if (!Recording()) {
        return;
    }
    D3D12PipelineState* standin = D3D12PipelineState::FromInterface(state);
    if (standin == nullptr) {
        Fail("SetPipelineState", "not a pipeline state of this stand-in");
        return;
    }
    commands_.push_back(CmdSetPipeline{standin->Pipeline(), standin->debugInfo});
    drawState_.pipeline = standin->Pipeline();
    drawState_.pipelineObject = state;
}

void STDMETHODCALLTYPE
D3D12GraphicsCommandList::SetDescriptorHeaps(UINT count, ID3D12DescriptorHeap* const* heaps) {
    if (!Recording()) {
        return;
    }
    CmdSetHeaps command;
    for (UINT i = 0; heaps != nullptr && i < count; ++i) {
        D3D12DescriptorHeap* heap = D3D12DescriptorHeap::FromInterface(heaps[i]);
        const char* problem = heap == nullptr          ? "is not a live descriptor heap"
                              : !heap->ShaderVisible() ? "is not shader visible"
                                                       : nullptr;
        std::shared_ptr<DescriptorStorage>* slot =
            heap == nullptr                                               ? nullptr
            : heap->Storage()->type == D3D12_DESCRIPTOR_HEAP_TYPE_SAMPLER ? &command.samplers
                                                                          : &command.resources;
        if (problem == nullptr && *slot != nullptr) {
            problem = "is a second heap of its type (at most one of each type can be set)";
        }
        if (problem != nullptr) {
            standin::ReportWindows(standin::messages::SET_DESCRIPTOR_HEAP_INVALID,
                                   static_cast<ID3D12GraphicsCommandList*>(this),
                                   "ID3D12GraphicsCommandList::SetDescriptorHeaps", i, problem);
            continue;
        }
        *slot = heap->Storage();
    }
    commands_.push_back(std::move(command));
}

void STDMETHODCALLTYPE
D3D12GraphicsCommandList::SetGraphicsRootSignature(ID3D12RootSignature* rootSignature) {
    SetRootSignature("SetGraphicsRootSignature", rootSignature, false);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::SetGraphicsRootDescriptorTable(
    UINT parameter, D3D12_GPU_DESCRIPTOR_HANDLE base) {
    SetRootTable("SetGraphicsRootDescriptorTable", parameter, base, false);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::IASetVertexBuffers(
    UINT startSlot, UINT count, const D3D12_VERTEX_BUFFER_VIEW* views) {
    if (!Recording()) {
        return;
    }
    if (startSlot + count > D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT) {
        Fail("IASetVertexBuffers", "slots beyond 31");
        return;
    }
    CmdSetVertexBuffers command{startSlot, InlineVector<VertexBufferBinding, 2>(count)};
    for (UINT i = 0; views != nullptr && i < count; ++i) {
        if (views[i].BufferLocation == 0) {
            continue;
        }
        VertexBufferBinding& binding = command.views[i];
        binding.buffer = Device()->Core().ResolveAddress(views[i].BufferLocation, &binding.offset);
        if (binding.buffer == nullptr) {
            Fail("IASetVertexBuffers", "a view's BufferLocation lies in no live buffer");
            return;
        }
        uint64_t available = binding.buffer->size - binding.offset;
        binding.size = views[i].SizeInBytes < available ? views[i].SizeInBytes : available;
        binding.stride = views[i].StrideInBytes;
    }
    commands_.push_back(std::move(command));
}

bool D3D12GraphicsCommandList::ReadAttachment(D3D12_CPU_DESCRIPTOR_HANDLE handle,
                                              D3D12_DESCRIPTOR_HEAP_TYPE type, AttachmentView* view,
                                              const char* method) {
    DescriptorRecord* record = Device()->Core().ResolveCpuHandle(handle.ptr, type);
    if (record == nullptr) {
        Fail(method, type == D3D12_DESCRIPTOR_HEAP_TYPE_RTV
                         ? "the handle is not inside a live RTV heap"
                         : "the handle is not inside a live DSV heap");
        return false;
    }
    if (record->kind == DescriptorKind::Empty) {
        Fail(method, "the descriptor was never written");
        return false;
    }
    // A view of no resource (or of one released since) is a null view:
    // nothing is drawn into it or cleared.
    view->image = record->image.lock();
    view->view = record->view;
    ResourceUse& use = view->use;
    use.resource = record->resource.lock();
    use.subresource = use.resource != nullptr ? use.resource->Subresource(record->view.baseMip,
                                                                          record->view.baseLayer, 0)
                                              : 0;
    use.format = record->format;
    use.layers = record->view.layerCount;
    return true;
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::OMSetRenderTargets(
    UINT count, const D3D12_CPU_DESCRIPTOR_HANDLE* renderTargets, BOOL singleRange,
    const D3D12_CPU_DESCRIPTOR_HANDLE* depthStencil) {
    if (!Recording()) {
        return;
    }
    if (count > 8 || (count > 0 && renderTargets == nullptr)) {
        Fail("OMSetRenderTargets", "more than 8 render targets, or no handle array");
        return;
    }
    CmdSetRenderTargets command;
    for (UINT i = 0; i < count; ++i) {
        D3D12_CPU_DESCRIPTOR_HANDLE handle =
            singleRange ? D3D12_CPU_DESCRIPTOR_HANDLE{renderTargets[0].ptr +
                                                      i * DeviceCore::kDescriptorIncrement}
                        : renderTargets[i];
        AttachmentView view;
        if (!ReadAttachment(handle, D3D12_DESCRIPTOR_HEAP_TYPE_RTV, &view, "OMSetRenderTargets")) {
            return;
        }
        command.colors.push_back(std::move(view));
    }
    command.hasDepth = depthStencil != nullptr;
    if (depthStencil != nullptr && !ReadAttachment(*depthStencil, D3D12_DESCRIPTOR_HEAP_TYPE_DSV,
                                                   &command.depth, "OMSetRenderTargets")) {
        return;
    }
    commands_.push_back(std::move(command));
}

bool D3D12GraphicsCommandList::BeginClear(const char* method, D3D12_CPU_DESCRIPTOR_HANDLE view,
                                          bool depth, AttachmentView* target) {
    D3D12_DESCRIPTOR_HEAP_TYPE type =
        depth ? D3D12_DESCRIPTOR_HEAP_TYPE_DSV : D3D12_DESCRIPTOR_HEAP_TYPE_RTV;
    return Recording() && ReadAttachment(view, type, target, method);
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ClearDepthStencilView(
    D3D12_CPU_DESCRIPTOR_HANDLE view, D3D12_CLEAR_FLAGS flags, FLOAT depth, UINT8 stencil,
    UINT rectCount, const D3D12_RECT* rects) {
    CmdClearDepth command{};
    if (!BeginClear("ClearDepthStencilView", view, true, &command.target)) {
        return;
    }
    if (rectCount > 0 && rects == nullptr) {
        Fail("ClearDepthStencilView", "no rectangle array");
        return;
    }
    command.flags = flags;
    // Cleared depth lies in 0 to 1, as ClearDepthStencilView clamps it (the
    // D3D11 and D3D10 pages of the method say so); NaN is 0.
    command.depth = std::isnan(depth) ? 0.0f : std::clamp(depth, 0.0f, 1.0f);
    command.stencil = stencil;
    command.rects.assign(rects, rects + rectCount);
    CheckClearValue(command.target.use, nullptr, depth, stencil, flags);
    commands_.push_back(std::move(command));
}

void STDMETHODCALLTYPE D3D12GraphicsCommandList::ClearRenderTargetView(
    D3D12_CPU_DESCRIPTOR_HANDLE view, const FLOAT color[4], UINT rectCount,
    const D3D12_RECT* rects) {
    CmdClearColor command{};
    if (!BeginClear("ClearRenderTargetView", view, false, &command.target)) {
        return;
    }
    if (color == nullptr || (rectCount > 0 && rects == nullptr)) {
        Fail("ClearRenderTargetView", "no colour, or no rectangle array");
        return;
    }
    StoredClearColour(command.target.use.format, color, command.color);
    command.rects.assign(rects, rects + rectCount);
    CheckClearValue(command.target.use, color, 0.0f, 0, D3D12_CLEAR_FLAGS(0));
    commands_.push_back(std::move(command));
}

CopyUses D3D12GraphicsCommandList::UsesOf(const char* method,
                                          const D3D12_TEXTURE_COPY_LOCATION& destination,
                                          const D3D12_TEXTURE_COPY_LOCATION& source) {
    auto use = [](const D3D12_TEXTURE_COPY_LOCATION& location) {
        D3D12Resource* resource = D3D12Resource::FromInterface(location.pResource);
        ResourceUse made;
        if (resource != nullptr) {
            made.resource = resource->Track();
            made.subresource = location.Type == D3D12_TEXTURE_COPY_TYPE_SUBRESOURCE_INDEX
                                   ? location.SubresourceIndex
                                   : 0;
        }
        return made;
    };
    return CopyUses{method, use(destination), use(source)};
}

void D3D12GraphicsCommandList::CheckClearValue(const ResourceUse& target, const FLOAT color[4],
                                               float depth, uint8_t stencil,
                                               D3D12_CLEAR_FLAGS flags) {
    if (!debugLayer_ || target.resource == nullptr || target.resource->swapChainBuffer) {
        return;
    }
    const ResourceTrack& resource = *target.resource;
    const D3D12_CLEAR_VALUE& optimised = resource.clearValue;
    bool matches = false;
    if (color != nullptr) {
        matches = std::memcmp(optimised.Color, color, sizeof optimised.Color) == 0;
    } else {
        matches =
            ((flags & D3D12_CLEAR_FLAG_DEPTH) == 0 || optimised.DepthStencil.Depth == depth) &&
            ((flags & D3D12_CLEAR_FLAG_STENCIL) == 0 || optimised.DepthStencil.Stencil == stencil);
    }
    if (resource.hasClearValue && matches) {
        return;
    }
    using namespace standin::messages;
    const char* method = color != nullptr ? "ID3D12CommandList::ClearRenderTargetView"
                                          : "ID3D12CommandList::ClearDepthStencilView";
    const standin::MessageKind& kind =
        color != nullptr ? (resource.hasClearValue ? CLEARRENDERTARGETVIEW_MISMATCHINGCLEARVALUE
                                                   : CLEARRENDERTARGETVIEW_NO_CLEARVALUE)
                         : (resource.hasClearValue ? CLEARDEPTHSTENCILVIEW_MISMATCHINGCLEARVALUE
                                                   : CLEARDEPTHSTENCILVIEW_NO_CLEARVALUE);
    standin::ReportWindows(kind, resource.object, method);
}

} // namespace d3d12_standin
