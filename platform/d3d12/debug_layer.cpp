#include "debug_layer.h"

#include "debug_text.h"
#include "seen_set.h"
#include "translated_list.h"

#include <debug_messages.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>

namespace d3d12_standin {
namespace {

using namespace standin::messages;

constexpr const char* kExecute = "ID3D12CommandQueue::ExecuteCommandLists";

std::atomic<bool> g_forced{false};

// What a use needs: every bit of `states`, or any one of them.
struct Expected {
    D3D12_RESOURCE_STATES states;
    bool any = false;
    const char* usage; // "a render target"
};

bool Satisfies(D3D12_RESOURCE_STATES state, const Expected& expected) {
    return expected.any ? (state & expected.states) != 0
                        : (state & expected.states) == expected.states;
}

} // namespace

// Follows the Direct3D 12 states through one executed list and, where the
// debug layer is on, reports what it finds.
class ListValidator {
public:
    // Begins `list`; the records of the list before keep their storage.
    void Start(const void* list, bool report, TranslatedList* kept) {
        list_ = list;
        report_ = report;
        kept_ = kept;
    }

    void operator()(const CmdBarriers& command);
    void operator()(const CmdSetRenderTargets& command) { targets_ = command; }
    void operator()(const CmdClearColor& command);
    void operator()(const CmdClearDepth& command);
    void operator()(const CmdCopyBuffer& command) { Copy(command.uses); }
    void operator()(const CmdCopyBufferTexture& command) { Copy(command.uses); }
    void operator()(const CmdCopyTextureTexture& command) { Copy(command.uses); }
    void operator()(const CmdCopyTextures& command) { Copy(command.uses); }
    void operator()(const CmdClearUnorderedAccess& command) {
        Use(command.use, {D3D12_RESOURCE_STATE_UNORDERED_ACCESS, false, "an unordered access view"},
            "ClearUnorderedAccessView");
    }
    void operator()(const CmdResolve& command);
    void operator()(const CmdDiscard& command) {
        const Expected expected{command.state, false, "a discarded resource"};
        for (uint32_t i = 0; i < command.count; ++i) {
            ResourceUse use = command.first;
            use.subresource += i;
            Use(use, expected, "DiscardResource");
        }
    }
    void operator()(const CmdSetHeaps& command) { heaps_ = command; }
    // Draws are checked against the graphics arguments, dispatches against
    // the compute ones.
    void operator()(const CmdSetTable& command) {
        ArgumentsOf(command.compute).tables.Set(command.parameter, command);
    }
    void operator()(const CmdSetRootSignature& command) {
        ArgumentsOf(command.compute).root = command;
    }
    void operator()(const CmdSetPipeline& command) { pipeline_ = command.debug; }
    void operator()(const CmdDraw&);
    void operator()(const CmdDispatch&);
    void operator()(const CmdExecuteIndirect& command);
    void operator()(const CmdQuery& command) {
        command.pool->validatorEnded[command.index] = !command.begin;
    }
    void operator()(const CmdResolveQueries& command);
    // Buffers bound by address are in use while the list runs; their states go unchecked.
    void operator()(const CmdSetRootView& command) { TouchBuffer(command.buffer.get()); }
    void operator()(const CmdSetIndexBuffer& command) { TouchBuffer(command.buffer.get()); }
    void operator()(const CmdSetVertexBuffers& command) {
        for (const VertexBufferBinding& view : command.views) {
            TouchBuffer(view.buffer.get());
        }
    }
    void operator()(const CmdSetStreamOutput& command) {
        for (size_t i = 0; i < command.targets.size(); ++i) {
            streamOutput_[command.startSlot + i] = command.targets[i];
        }
    }
    // Viewports, scissors and topology are checked as recorded.
    template <typename Other> void operator()(const Other&) {}

    // Checks one use of a resource's subresources, promoting where allowed.
    void Use(const ResourceUse& use, const Expected& expected, const char* operation);
    // Promoted read-only states, buffers and simultaneous-access textures
    // decay; `used` gets every resource the list used, and the validator
    // lets go of the list.
    void Finish(std::vector<std::shared_ptr<ResourceTrack>>* used);
    // What the barriers of the command followed last moved.
    const std::vector<StateChange>& Changes() const { return changes_; }
    void ForgetChanges() { changes_.clear(); }

private:
    void Touch(const std::shared_ptr<ResourceTrack>& resource);
    void TouchBuffer(const GpuBuffer* buffer) {
        if (std::shared_ptr<ResourceTrack> resource = buffer ? buffer->track.lock() : nullptr) {
            Touch(resource);
        }
    }
    void UseSubresource(ResourceTrack& resource, uint32_t subresource, const Expected& expected,
                        const char* operation);
    void CheckPipelineTargets();
    void CheckPipelineSamples();
    void CheckStreamOutputStates(const char* operation);
    void CheckTargetStates();
    struct Arguments {
        ParameterSlots<CmdSetTable> tables;
        CmdSetRootSignature root{};
    };
    void Forget();
    Arguments& ArgumentsOf(bool compute) { return compute ? compute_ : graphics_; }
    // The tables of a draw, or of a dispatch when `compute`.
    void CheckTables(const Arguments& arguments, bool compute);
    void CheckTableViews(const RootParameterLayout& parameter, D3D12_SHADER_VISIBILITY visibility,
                         const CmdSetTable& table, bool compute);
    void Copy(const CopyUses& uses);

    template <typename... Args> void Report(const standin::MessageKind& kind, Args... args) {
        if (report_) {
            standin::ReportWindows(kind, args...);
        }
    }

    // Only a report needs the list's text, so it is not made for lists that pass.
    std::string ListText() const { return ObjectText(list_, "", "ID3D12GraphicsCommandList"); }
    const void* list_ = nullptr;
    bool report_ = false;
    TranslatedList* kept_ = nullptr;
    std::vector<StateChange> changes_; // by the command followed last
    std::vector<std::shared_ptr<ResourceTrack>> touched_;
    SeenSet<ResourceTrack> touchedSet_;
    CmdSetRenderTargets targets_;
    CmdSetHeaps heaps_;
    Arguments graphics_, compute_;
    std::shared_ptr<const PipelineDebugInfo> pipeline_;
    std::array<StreamOutputTarget, D3D12_SO_BUFFER_SLOT_COUNT> streamOutput_{};
};

void ListValidator::Touch(const std::shared_ptr<ResourceTrack>& resource) {
    if (touchedSet_.Insert(resource.get())) {
        touched_.push_back(resource);
        if (kept_ != nullptr) {
            kept_->NoteStates(resource->states); // before this use moves them
        }
    }
}

void ListValidator::Use(const ResourceUse& use, const Expected& expected, const char* operation) {
    if (use.resource == nullptr) {
        return; // a null view
    }
    Touch(use.resource);
    if (use.resource->FixedState()) {
        return; // upload and readback resources never change state
    }
    ResourceTrack& resource = *use.resource;
    const uint32_t count = resource.states->Count();
    if (use.subresource != kAllSubresources) {
        for (uint32_t layer = 0; layer < use.layers; ++layer) {
            uint32_t subresource = use.subresource + layer * resource.mipLevels;
            if (subresource < count) {
                UseSubresource(resource, subresource, expected, operation);
            }
        }
        return;
    }
    for (uint32_t i = 0; i < count; ++i) {
        UseSubresource(resource, i, expected, operation);
    }
}

void ListValidator::UseSubresource(ResourceTrack& resource, uint32_t subresource,
                                   const Expected& expected, const char* operation) {
    SubresourceStates& states = *resource.states;
    D3D12_RESOURCE_STATES state = states[subresource];
    if (Satisfies(state, expected) || states.Promote(subresource, expected.states)) {
        return;
    }
    D3D12_RESOURCE_STATES missing = D3D12_RESOURCE_STATES(expected.states & ~state);
    Report(INVALID_SUBRESOURCE_STATE, resource.object, kExecute, operation, ListText().c_str(),
           StateText(state).c_str(), ResourceText(resource).c_str(), subresource, expected.usage,
           expected.any ? "any" : "all", StateText(expected.states).c_str(),
           StateText(state).c_str(), StateText(missing).c_str());
}

void ListValidator::operator()(const CmdBarriers& command) {
    for (uint32_t t = 0; t < command.transitions.size(); ++t) {
        const CmdTransition& barrier = command.transitions[t];
        if (barrier.resource == nullptr || barrier.resource->FixedState()) {
            continue;
        }
        ResourceTrack& resource = *barrier.resource;
        Touch(barrier.resource);
        SubresourceStates& states = *resource.states;
        uint32_t first = barrier.subresource, last = barrier.subresource + 1;
        if (barrier.subresource == kAllSubresources) {
            first = 0;
            last = states.Count();
        }
        for (uint32_t i = first; i < last && i < states.Count(); ++i) {
            D3D12_RESOURCE_STATES before = states.Transition(i, barrier.after);
            changes_.push_back({t, i, before});
            if (before != barrier.before) {
                Report(RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH, resource.object, kExecute,
                       ListText().c_str(), StateText(barrier.before).c_str(),
                       ResourceText(resource).c_str(), i, StateText(before).c_str());
            }
        }
    }
}

void ListValidator::operator()(const CmdClearDepth& command) {
    Use(command.target.use, {D3D12_RESOURCE_STATE_DEPTH_WRITE, false, "a depth buffer"},
        "ClearDepthStencilView");
}

void ListValidator::operator()(const CmdClearColor& command) {
    Use(command.target.use, {D3D12_RESOURCE_STATE_RENDER_TARGET, false, "a render target"},
        "ClearRenderTargetView");
}

void ListValidator::Copy(const CopyUses& uses) {
    Use(uses.destination, {D3D12_RESOURCE_STATE_COPY_DEST, false, "a destination resource"},
        uses.method);
    Use(uses.source, {D3D12_RESOURCE_STATE_COPY_SOURCE, false, "a source resource"}, uses.method);
}

void ListValidator::operator()(const CmdResolve& command) {
    const CopyUses& uses = command.uses;
    Use(uses.destination, {D3D12_RESOURCE_STATE_RESOLVE_DEST, false, "a destination resource"},
        uses.method);
    Use(uses.source, {D3D12_RESOURCE_STATE_RESOLVE_SOURCE, false, "a source resource"},
        uses.method);
}

void ListValidator::operator()(const CmdResolveQueries& command) {
    Copy(command.uses);
    for (uint32_t i = command.first; i < command.first + command.count; ++i) {
        if (!command.pool->validatorEnded[i]) {
            Report(RESOLVE_QUERY_INVALID_QUERY_STATE, command.heap, kExecute, i,
                   ObjectText(command.heap, "", "ID3D12QueryHeap").c_str());
            return;
        }
    }
}

void ListValidator::operator()(const CmdDraw& command) {
    if (pipeline_ == nullptr) {
        return; // the draw is skipped, and says so, when it executes
    }
    if (pipeline_->streamOutput) {
        CheckStreamOutputStates(command.indexed ? "DrawIndexedInstanced" : "DrawInstanced");
    }
    const CmdSetRootSignature& root = graphics_.root;
    if (root.layout != nullptr && pipeline_->rootSignature != nullptr &&
        !root.layout->CompatibleWith(*pipeline_->rootSignature)) {
        Report(COMMAND_LIST_DRAW_ROOT_SIGNATURE_MISMATCH, pipeline_->object, kExecute,
               ListText().c_str(), ObjectText(root.object, "", "ID3D12RootSignature").c_str(),
               ObjectText(pipeline_->object, "", "ID3D12PipelineState").c_str());
    }
    CheckPipelineTargets();
    CheckTargetStates();
    CheckTables(graphics_, false);
}

// The buffers a capturing draw writes, and their filled sizes, are in
// STREAM_OUT (the use is named in the layer's manner: no quotation was found).
void ListValidator::CheckStreamOutputStates(const char* operation) {
    const Expected written{D3D12_RESOURCE_STATE_STREAM_OUT, false, "a stream-output buffer"};
    for (const StreamOutputTarget& target : streamOutput_) {
        for (const GpuBuffer* buffer : {target.buffer.get(), target.filled.get()}) {
            ResourceUse use;
            use.resource = buffer != nullptr ? buffer->track.lock() : nullptr;
            Use(use, written, operation);
        }
    }
}

void ListValidator::operator()(const CmdDispatch&) {
    if (pipeline_ != nullptr) {
        CheckTables(compute_, true);
    }
}

// The buffers are read as arguments (the use is named in the layer's manner:
// no quotation was found); the commands are checked as the direct calls
// they stand for.
void ListValidator::operator()(const CmdExecuteIndirect& command) {
    const Expected arguments{D3D12_RESOURCE_STATE_INDIRECT_ARGUMENT, false,
                             "an indirect argument buffer"};
    Use(command.argumentsUse, arguments, "ExecuteIndirect");
    Use(command.countUse, arguments, "ExecuteIndirect");
    if (command.kind == IndirectKind::Dispatch) {
        (*this)(CmdDispatch{});
    } else {
        (*this)(CmdDraw{});
    }
}

void ListValidator::CheckPipelineTargets() {
    const PipelineDebugInfo& pipeline = *pipeline_;
    size_t slots = std::max<size_t>(pipeline.numRenderTargets, targets_.colors.size());
    for (size_t i = 0; i < slots && i < 8; ++i) {
        DXGI_FORMAT expected =
            i < pipeline.numRenderTargets ? pipeline.rtvFormats[i] : DXGI_FORMAT_UNKNOWN;
        DXGI_FORMAT bound =
            i < targets_.colors.size() ? targets_.colors[i].use.format : DXGI_FORMAT_UNKNOWN;
        if (expected != bound) {
            Report(RENDER_TARGET_FORMAT_MISMATCH_PIPELINE_STATE, pipeline.object, kExecute,
                   ListText().c_str(), i, FormatName(expected), FormatName(bound));
        }
    }
    CheckPipelineSamples();
    if (targets_.hasDepth && targets_.depth.use.format != pipeline.dsvFormat) {
        Report(DEPTH_STENCIL_FORMAT_MISMATCH_PIPELINE_STATE, pipeline.object, kExecute,
               ListText().c_str(), FormatName(pipeline.dsvFormat),
               FormatName(targets_.depth.use.format));
    }
}

// Targets are drawn into with the pipeline's sample count.
void ListValidator::CheckPipelineSamples() {
    const PipelineDebugInfo& pipeline = *pipeline_;
    for (size_t i = 0; i < targets_.colors.size() && i < pipeline.numRenderTargets; ++i) {
        const AttachmentView& view = targets_.colors[i];
        if (view.image != nullptr && UINT(view.image->samples) != pipeline.sampleCount) {
            Report(RENDER_TARGET_SAMPLE_DESC_MISMATCH_PIPELINE_STATE, pipeline.object, kExecute,
                   ListText().c_str(), i, pipeline.sampleCount, unsigned(view.image->samples));
        }
    }
    const AttachmentView& depth = targets_.depth;
    if (targets_.hasDepth && depth.image != nullptr && pipeline.dsvFormat != DXGI_FORMAT_UNKNOWN &&
        UINT(depth.image->samples) != pipeline.sampleCount) {
        Report(DEPTH_STENCIL_SAMPLE_DESC_MISMATCH_PIPELINE_STATE, pipeline.object, kExecute,
               ListText().c_str(), pipeline.sampleCount, unsigned(depth.image->samples));
    }
}

void ListValidator::CheckTargetStates() {
    const PipelineDebugInfo& pipeline = *pipeline_;
    for (size_t i = 0; i < targets_.colors.size() && i < pipeline.numRenderTargets; ++i) {
        Use(targets_.colors[i].use, {D3D12_RESOURCE_STATE_RENDER_TARGET, false, "a render target"},
            "DrawInstanced");
    }
    if (targets_.hasDepth && pipeline.dsvFormat != DXGI_FORMAT_UNKNOWN) {
        Expected depth =
            pipeline.depthWrites
                ? Expected{D3D12_RESOURCE_STATE_DEPTH_WRITE, false, "a depth buffer"}
                : Expected{D3D12_RESOURCE_STATE_DEPTH_WRITE | D3D12_RESOURCE_STATE_DEPTH_READ, true,
                           "a depth buffer"};
        Use(targets_.depth.use, depth, "DrawInstanced");
    }
}

void ListValidator::CheckTables(const Arguments& arguments, bool compute) {
    const ParameterSlots<CmdSetTable>& tables = arguments.tables;
    const std::shared_ptr<RootSignatureLayout>& layout =
        arguments.root.layout != nullptr ? arguments.root.layout : pipeline_->rootSignature;
    if (layout == nullptr) {
        return;
    }
    for (size_t i = 0; i < layout->parameters.size() && i < layout->desc.parameters.size(); ++i) {
        const RootParameterLayout& parameter = layout->parameters[i];
        const CmdSetTable* table = tables.Find(uint32_t(i));
        if (parameter.type != D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE || table == nullptr) {
            continue; // a table never set is reported when the draw is skipped
        }
        const CmdSetTable& set = *table;
        bool samplers = set.heap->type == D3D12_DESCRIPTOR_HEAP_TYPE_SAMPLER;
        const std::shared_ptr<DescriptorStorage>& bound =
            samplers ? heaps_.samplers : heaps_.resources;
        if (bound != set.heap) {
            Report(SET_DESCRIPTOR_TABLE_INVALID, set.heap->heapObject, kExecute, ListText().c_str(),
                   i, (unsigned long long)set.handle,
                   ObjectText(set.heap->heapObject, "", "ID3D12DescriptorHeap").c_str(),
                   samplers ? "SAMPLER" : "CBV_SRV_UAV",
                   bound != nullptr
                       ? ObjectText(bound->heapObject, "", "ID3D12DescriptorHeap").c_str()
                       : "none");
            continue;
        }
        CheckTableViews(parameter, layout->desc.parameters[i].visibility, set, compute);
    }
}

void ListValidator::CheckTableViews(const RootParameterLayout& parameter,
                                    D3D12_SHADER_VISIBILITY visibility, const CmdSetTable& table,
                                    bool compute) {
    const char* operation = compute ? "Dispatch" : "DrawInstanced";
    Expected expected{D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE |
                          D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE,
                      true, "a shader resource"};
    if (visibility == D3D12_SHADER_VISIBILITY_PIXEL) {
        expected = {D3D12_RESOURCE_STATE_PIXEL_SHADER_RESOURCE, false, "a PIXEL_SHADER_RESOURCE"};
    } else if (visibility != D3D12_SHADER_VISIBILITY_ALL || compute) {
        // Compute shaders read what is in NON_PIXEL_SHADER_RESOURCE.
        expected = {D3D12_RESOURCE_STATE_NON_PIXEL_SHADER_RESOURCE, false,
                    "a NON_PIXEL_SHADER_RESOURCE"};
    }
    // In the layer's manner: its words for this use were not found.
    const Expected unorderedAccess{D3D12_RESOURCE_STATE_UNORDERED_ACCESS, false,
                                   "an unordered access view"};
    for (const TableBinding& binding : parameter.bindings) {
        uint64_t index = uint64_t(table.first) + binding.binding;
        const bool unordered = binding.rangeType == D3D12_DESCRIPTOR_RANGE_TYPE_UAV;
        if ((binding.rangeType != D3D12_DESCRIPTOR_RANGE_TYPE_SRV && !unordered) ||
            index >= table.heap->records.size()) {
            continue;
        }
        const DescriptorRecord& record = table.heap->records[index];
        std::shared_ptr<ResourceTrack> resource = record.resource.lock();
        const DescriptorKind kind =
            unordered ? DescriptorKind::UnorderedAccess : DescriptorKind::ShaderResource;
        if (record.kind != kind || resource == nullptr) {
            continue;
        }
        const Expected& wanted = unordered ? unorderedAccess : expected;
        if (resource->IsBuffer()) {
            Use({resource, 0, record.format}, wanted, operation);
            continue;
        }
        const ImageViewKey& view = record.view;
        for (uint32_t mip = view.baseMip; mip < view.baseMip + view.mipCount; ++mip) {
            for (uint32_t layer = view.baseLayer; layer < view.baseLayer + view.layerCount;
                 ++layer) {
                ResourceUse use{resource, resource->Subresource(mip, layer, 0), record.format};
                Use(use, wanted, operation);
            }
        }
    }
}

void ListValidator::Finish(std::vector<std::shared_ptr<ResourceTrack>>* used) {
    for (const std::shared_ptr<ResourceTrack>& resource : touched_) {
        if (resource->FixedState()) {
            continue;
        }
        resource->states->EndList();
    }
    used->clear();
    used->swap(touched_);
    Forget();
}

void ListValidator::Forget() {
    list_ = nullptr;
    kept_ = nullptr;
    changes_.clear();
    touched_.clear();
    touchedSet_.Clear();
    targets_.colors.clear();
    targets_.depth = {};
    targets_.hasDepth = false;
    heaps_ = {};
    streamOutput_ = {};
    for (Arguments* arguments : {&graphics_, &compute_}) {
        arguments->tables.Clear();
        arguments->root = {};
    }
    pipeline_.reset();
}

bool DebugLayerEnabled() {
    static const bool fromEnvironment = [] {
        const char* value = std::getenv("BRENNWICK_D3D12_DEBUG_LAYER");
        return value == nullptr || std::strcmp(value, "0") != 0;
    }();
    return fromEnvironment || g_forced.load();
}

void ForceDebugLayer() {
    g_forced = true;
}

ExecutedList::ExecutedList() : validator_(std::make_unique<ListValidator>()) {}

ExecutedList::~ExecutedList() = default;

void ExecutedList::Start(const void* list, TranslatedList* kept) {
    validator_->Start(list, DebugLayerEnabled(), kept);
}

const std::vector<StateChange>& ExecutedList::Follow(const Command& command) {
    validator_->ForgetChanges();
    std::visit(*validator_, command);
    return validator_->Changes();
}

void ExecutedList::Finish(std::vector<std::shared_ptr<ResourceTrack>>* used) {
    validator_->Finish(used);
}

void NoteSubmitted(const std::vector<std::shared_ptr<ResourceTrack>>& resources, uint64_t serial,
                   const void* queue) {
    for (const std::shared_ptr<ResourceTrack>& resource : resources) {
        resource->lastSerial = serial;
        resource->lastQueue = queue;
    }
}

void ValidateFinalRelease(const ResourceTrack& resource, uint64_t completedSerial) {
    if (resource.lastSerial.load() > completedSerial) {
        standin::ReportWindows(
            OBJECT_DELETED_WHILE_STILL_IN_USE, resource.object, "ID3D12Resource::<final-release>",
            ResourceText(resource).c_str(),
            ObjectText(resource.lastQueue.load(), "", "ID3D12CommandQueue").c_str());
    }
}

void ValidatePresent(ResourceTrack& backBuffer) {
    // The back buffer is in PRESENT (COMMON) only when no bit is set.
    const SubresourceStates& states = *backBuffer.states;
    if (states.Count() > 0 && states[0] != D3D12_RESOURCE_STATE_COMMON) {
        D3D12_RESOURCE_STATES state = states[0];
        std::string present = StateText(D3D12_RESOURCE_STATE_PRESENT);
        standin::ReportWindows(
            INVALID_SUBRESOURCE_STATE, backBuffer.object, kExecute, "IDXGISwapChain::Present",
            "0x0000000000000000:'Internal DXGI CommandList'", StateText(state).c_str(),
            ResourceText(backBuffer).c_str(), 0u, "a PRESENT_SOURCE", "all", present.c_str(),
            StateText(state).c_str(), present.c_str());
    }
}

} // namespace d3d12_standin
