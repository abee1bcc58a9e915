// What a command list records: one plain command per call, holding the
// objects it uses. Two readers go over each command in turn when the list
// executes: the pass of debug_layer.cpp, which moves the Direct3D 12 state of
// every subresource and checks it, and the translator
// (command_translator.cpp), which turns the command into Vulkan commands from
// those states.
#pragma once

#include "d3d12_query_heap.h"
#include "debug_resource.h"
#include "descriptor_record.h"
#include "inline_vector.h"
#include "pipeline_object.h"
#include "unordered_access_clear_values.h"

#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace d3d12_standin {

constexpr uint32_t kAllSubresources = D3D12_RESOURCE_BARRIER_ALL_SUBRESOURCES;

// One subresource (or all of them) of a resource, through a view of `format`,
// as the validation layer follows it. A null resource is a null view.
struct ResourceUse {
    std::shared_ptr<ResourceTrack> resource;
    uint32_t subresource = kAllSubresources;
    DXGI_FORMAT format = DXGI_FORMAT_UNKNOWN;
    // A view drawing into several array slices: the same mip of this many
    // slices from `subresource`'s on.
    uint32_t layers = 1;
};

// A render-target or depth-stencil view, read from its descriptor when recorded.
struct AttachmentView {
    std::shared_ptr<GpuImage> image;
    ImageViewKey view{};
    ResourceUse use;
};

// A pipeline state as draws are checked against it.
struct PipelineDebugInfo {
    const void* object = nullptr; // the ID3D12PipelineState
    UINT numRenderTargets = 0;
    DXGI_FORMAT rtvFormats[8] = {};
    DXGI_FORMAT dsvFormat = DXGI_FORMAT_UNKNOWN;
    UINT sampleCount = 1;
    bool depthWrites = false;
    bool streamOutput = false;
    std::shared_ptr<RootSignatureLayout> rootSignature;
};

// Lists mostly set one viewport, rectangle and render target, and barriers
// and vertex buffers a few at a time: that many are kept in the command.
struct CmdSetViewports {
    InlineVector<D3D12_VIEWPORT, 2> viewports;
};
struct CmdSetScissors {
    InlineVector<D3D12_RECT, 2> rects;
};
// Every state at once: the uses an aliasing barrier separates.
constexpr D3D12_RESOURCE_STATES kEveryState = D3D12_RESOURCE_STATES(~0u);

// A transition, or with no resource and the same state before and after, a
// UAV (UNORDERED_ACCESS) or aliasing (kEveryState) barrier.
struct CmdTransition {
    std::shared_ptr<GpuImage> image; // null for a buffer
    D3D12_RESOURCE_STATES before;
    D3D12_RESOURCE_STATES after;
    std::shared_ptr<ResourceTrack> resource; // null for barriers other than transitions
    uint32_t subresource = kAllSubresources;
};
struct CmdBarriers {
    InlineVector<CmdTransition, 2> transitions;
};
struct CmdSetRenderTargets {
    InlineVector<AttachmentView, 1> colors;
    AttachmentView depth;
    bool hasDepth = false; // a depth view was given, if perhaps a null one
};
struct CmdClearColor {
    AttachmentView target;
    float color[4];
    std::vector<D3D12_RECT> rects;
};
struct CmdClearDepth {
    AttachmentView target;
    D3D12_CLEAR_FLAGS flags;
    float depth;
    uint8_t stencil;
    std::vector<D3D12_RECT> rects;
};
// What a copy reads and writes, named by its call for the validation layer.
struct CopyUses {
    const char* method;
    ResourceUse destination, source;
};
// Buffer <-> texture copies through a placed footprint.
struct CmdCopyBufferTexture {
    bool toTexture;
    std::shared_ptr<GpuBuffer> buffer;
    D3D12_PLACED_SUBRESOURCE_FOOTPRINT footprint;
    std::shared_ptr<GpuImage> image;
    uint32_t mip, layer;
    VkOffset3D textureOffset;   // where in the texture the region starts
    VkOffset3D footprintOffset; // where in the footprint it starts
    VkExtent3D extent;
    CopyUses uses;
};
struct CmdCopyTextureTexture {
    std::shared_ptr<GpuImage> source, destination;
    uint32_t sourceMip, sourceLayer, destinationMip, destinationLayer;
    VkOffset3D sourceOffset, destinationOffset;
    VkExtent3D extent;
    CopyUses uses;
};
struct CmdCopyBuffer {
    std::shared_ptr<GpuBuffer> destination;
    uint64_t destinationOffset;
    std::shared_ptr<GpuBuffer> source;
    uint64_t sourceOffset;
    uint64_t size;
    CopyUses uses;
};
// CopyResource between textures: every subresource of one into the same
// subresource of the other, of the same size.
struct CmdCopyTextures {
    std::shared_ptr<GpuImage> source, destination;
    CopyUses uses;
};
// ResolveSubresource: the samples of each pixel of one subresource averaged
// into another of one sample.
struct CmdResolve {
    std::shared_ptr<GpuImage> source, destination;
    uint32_t sourceMip, sourceLayer, destinationMip, destinationLayer;
    CopyUses uses;
};
// ClearUnorderedAccessView*: every element of the view (or of the view's
// subresources in `rects`) set to `element`'s bytes. Element size 0: a format
// the stand-in cannot clear.
struct CmdClearUnorderedAccess {
    std::shared_ptr<GpuImage> image; // null for a buffer view
    ImageViewKey view{};
    std::shared_ptr<GpuBuffer> buffer;
    uint64_t offset = 0, size = 0; // the buffer view's bytes
    ClearElement element;
    std::vector<D3D12_RECT> rects;
    ResourceUse use;
};
// DiscardResource: `count` subresources from `first.subresource` on, whose
// contents need not be kept (the stand-in keeps them), in `state`.
struct CmdDiscard {
    ResourceUse first;
    uint32_t count = 1;
    D3D12_RESOURCE_STATES state;
};
// Tables resolve through the device's GPU descriptor range, so the bound heaps
// change nothing the translator does; the validation layer checks tables
// against them.
struct CmdSetHeaps {
    std::shared_ptr<DescriptorStorage> resources, samplers; // null: none bound
};
// Root signatures and root arguments: graphics ones unless `compute`, the
// two kept apart as on Windows.
struct CmdSetRootSignature {
    std::shared_ptr<RootSignatureLayout> layout;
    const void* object = nullptr; // the ID3D12RootSignature
    bool compute = false;
};
struct CmdSetPipeline {
    std::shared_ptr<PipelineObject> pipeline;
    std::shared_ptr<const PipelineDebugInfo> debug;
};
// Descriptor tables are read when the list executes, as on Windows.
struct CmdSetTable {
    uint32_t parameter;
    std::shared_ptr<DescriptorStorage> heap;
    uint32_t first;
    UINT64 handle; // the GPU handle given, as messages name it
    bool compute = false;
};
// What a reader keeps per root parameter, in place: setting and clearing it
// allocates nothing once a list has used that many parameters.
template <typename T> class ParameterSlots {
public:
    void Set(uint32_t parameter, const T& value) {
        if (parameter >= slots_.size()) {
            slots_.resize(parameter + 1);
        }
        slots_[parameter] = value;
    }
    // Null for a parameter never set.
    const T* Find(uint32_t parameter) const {
        return parameter < slots_.size() && slots_[parameter] ? &*slots_[parameter] : nullptr;
    }
    void Clear() {
        for (std::optional<T>& slot : slots_) {
            slot.reset();
        }
    }

private:
    std::vector<std::optional<T>> slots_;
};

// Root constants: `values` from `firstValue` on, the others kept as set.
struct CmdSetRootConstants {
    uint32_t parameter;
    uint32_t firstValue;
    std::vector<uint32_t> values;
    bool compute = false;
};
// A root constant-buffer or shader-resource view: a buffer from an address.
struct CmdSetRootView {
    uint32_t parameter;
    std::shared_ptr<GpuBuffer> buffer;
    uint64_t offset;
    bool compute = false;
};
struct CmdSetTopology {
    D3D12_PRIMITIVE_TOPOLOGY topology;
};
// OMSetBlendFactor and OMSetStencilRef: the constants of the blend and
// stencil tests, which every graphics pipeline takes as dynamic state.
struct CmdSetBlendFactor {
    float factor[4];
};
struct CmdSetStencilRef {
    uint32_t reference;
};
struct VertexBufferBinding {
    std::shared_ptr<GpuBuffer> buffer; // null: unbound
    uint64_t offset = 0;
    uint64_t size = 0;
    uint32_t stride = 0;
};
struct CmdSetVertexBuffers {
    uint32_t startSlot;
    InlineVector<VertexBufferBinding, 2> views;
};
// The index buffer view: a null buffer unbinds it.
struct CmdSetIndexBuffer {
    std::shared_ptr<GpuBuffer> buffer;
    uint64_t offset = 0;
    uint64_t size = 0;
    DXGI_FORMAT format = DXGI_FORMAT_UNKNOWN;
};
// SOSetTargets: views of stream-output slots from `startSlot`; a null
// buffer unbinds its slot. `filled` holds the bytes written so far (Vulkan
// reads and writes the low 32 bits of Direct3D's 64-bit count).
struct StreamOutputTarget {
    std::shared_ptr<GpuBuffer> buffer;
    uint64_t offset = 0, size = 0;
    std::shared_ptr<GpuBuffer> filled;
    uint64_t filledOffset = 0;
};
struct CmdSetStreamOutput {
    uint32_t startSlot;
    InlineVector<StreamOutputTarget, 1> targets;
};
struct CmdDraw {
    uint32_t vertexCount, instanceCount, startVertex, startInstance;
    // DrawIndexedInstanced: vertexCount indices are read from startIndex,
    // and baseVertex is added to each.
    bool indexed = false;
    uint32_t startIndex = 0;
    int32_t baseVertex = 0;
};
struct CmdDispatch {
    uint32_t x, y, z;
};
// ExecuteIndirect of a signature whose one argument is a draw, an indexed
// draw or a dispatch: up to `maxCount` commands `stride` bytes apart from
// `offset`, as many as the 32-bit count at `countOffset` says when there is
// a count buffer.
enum class IndirectKind { Draw, DrawIndexed, Dispatch };
struct CmdExecuteIndirect {
    IndirectKind kind = IndirectKind::Draw;
    uint32_t stride = 0;
    uint32_t maxCount = 0;
    std::shared_ptr<GpuBuffer> arguments;
    uint64_t offset = 0;
    std::shared_ptr<GpuBuffer> count; // null: maxCount commands
    uint64_t countOffset = 0;
    ResourceUse argumentsUse, countUse;
};

// BeginQuery (begin true) or EndQuery of one query of a heap.
struct CmdQuery {
    std::shared_ptr<GpuQueryPool> pool;
    D3D12_QUERY_TYPE type;
    uint32_t index;
    bool begin;
};
// ResolveQueryData: 64-bit results of `count` queries from `first` on.
struct CmdResolveQueries {
    std::shared_ptr<GpuQueryPool> pool;
    D3D12_QUERY_TYPE type;
    uint32_t first, count;
    std::shared_ptr<GpuBuffer> destination;
    uint64_t offset;
    CopyUses uses;
    const void* heap; // the ID3D12QueryHeap, as messages name it
};

using Command =
    std::variant<CmdSetViewports, CmdSetScissors, CmdBarriers, CmdSetRenderTargets, CmdClearColor,
                 CmdClearDepth, CmdCopyBufferTexture, CmdCopyTextureTexture, CmdCopyBuffer,
                 CmdCopyTextures, CmdResolve, CmdSetHeaps, CmdSetRootSignature, CmdSetPipeline,
                 CmdSetTable, CmdSetRootConstants, CmdSetRootView, CmdSetTopology,
                 CmdSetVertexBuffers, CmdSetIndexBuffer, CmdDraw, CmdDispatch, CmdQuery,
                 CmdResolveQueries, CmdExecuteIndirect, CmdSetStreamOutput, CmdSetBlendFactor,
                 CmdSetStencilRef, CmdClearUnorderedAccess, CmdDiscard>;

} // namespace d3d12_standin
