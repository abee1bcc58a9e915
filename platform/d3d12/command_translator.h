// Turns one command list's stream into Vulkan commands at ExecuteCommandLists.
// Images are moved into the layout each use needs, from the layout they are
// really in; the Direct3D 12 states it reads are the ones the pass over the
// list (debug_layer.h) has moved, with what each barrier really moved. Submissions are
// ordered by the queue's serial, so a list orders only its own work: a
// barrier where a layout changes or a use follows a write, none elsewhere.
// Whole-target clears become the load operation of the render pass that
// follows on the target, or one clear pass for all that are left.
#pragma once

#include "barrier_batch.h"
#include "command_stream.h"
#include "device_core.h"
#include "root_constant_uploads.h"
#include "seen_set.h"
#include "viewport_translation.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace d3d12_standin {

struct SetContent;
struct TranslatedList;

// Layouts that do not exist for an image's aspect fall back to GENERAL.
VkImageLayout UsableLayout(const GpuImage& image, VkImageLayout layout);
VkExtent2D MipExtent(const GpuImage& image, uint32_t mip);

class CommandTranslator {
public:
    // One per queue, used under the submission lock: its storage serves
    // every list it translates.
    explicit CommandTranslator(DeviceCore& core);

    // Starts a list recorded into `commands`; what its work uses is kept in
    // `keepAlive` until the submission finishes. With `kept`, what the
    // translation reads is noted there, so that the buffer may run again.
    void StartList(VkCommandBuffer commands, std::vector<std::shared_ptr<const void>>* keepAlive,
                   TranslatedList* kept = nullptr);
    // One command, after the pass over the list has moved the states it
    // changes; `changes` are what its barriers moved.
    void Translate(const Command& command, const std::vector<StateChange>& changes) {
        changes_ = &changes;
        std::visit(*this, command);
        ++commandIndex_;
    }
    // Ends open rendering and makes copies into buffers visible to the host,
    // as at the end of a list. Nothing of the list is held after it.
    void Finish();
    uint64_t Draws() const { return draws_; }

    void operator()(const CmdSetViewports& command) {
        viewports_.assign(command.viewports.begin(), command.viewports.end());
        viewSlotsStale_ = true;
    }
    void operator()(const CmdSetScissors& command) {
        scissors_.assign(command.rects.begin(), command.rects.end());
        viewSlotsStale_ = true;
    }
    void operator()(const CmdBarriers& command);
    void operator()(const CmdSetRenderTargets& command);
    void operator()(const CmdClearColor& command);
    void operator()(const CmdClearDepth& command);
    void operator()(const CmdCopyBufferTexture& command);
    void operator()(const CmdCopyTextureTexture& command);
    void operator()(const CmdCopyBuffer& command);
    void operator()(const CmdCopyTextures& command);
    void operator()(const CmdResolve& command); // resolve_translation.cpp
    void operator()(const CmdSetHeaps&) {}      // tables resolve without the bound heaps
    void operator()(const CmdDiscard&) {}       // the contents are kept, as is allowed
    void operator()(const CmdSetRootSignature& command) {
        ArgumentsOf(command.compute).rootSignature = command.layout;
    }
    void operator()(const CmdSetPipeline& command) {
        drawPassCurrent_ = drawPassCurrent_ && command.pipeline == pipeline_;
        pipeline_ = command.pipeline;
    }
    void operator()(const CmdSetTable& command) {
        ArgumentsOf(command.compute).tables.Set(command.parameter, command);
        ArgumentsOf(command.compute).tableCommands.Set(command.parameter, commandIndex_);
    }
    void operator()(const CmdSetRootConstants& command);
    void operator()(const CmdSetRootView& command) {
        ArgumentsOf(command.compute).views[command.parameter] = command;
    }
    void operator()(const CmdSetTopology& command) { topology_ = command.topology; }
    void operator()(const CmdSetBlendFactor& command) {
        std::copy(command.factor, command.factor + 4, blendFactor_.begin());
    }
    // Only the stencil format's 8 bits are compared and written.
    void operator()(const CmdSetStencilRef& command) { stencilRef_ = command.reference & 0xFF; }
    void operator()(const CmdSetVertexBuffers& command);
    void operator()(const CmdSetIndexBuffer& command) { indexBuffer_ = command; }
    void operator()(const CmdDraw& command);
    void operator()(const CmdDispatch& command);        // compute_translation.cpp
    void operator()(const CmdQuery& command);           // query_translation.cpp
    void operator()(const CmdResolveQueries& command);  // query_translation.cpp
    void operator()(const CmdExecuteIndirect& command); // indirect_translation.cpp
    void operator()(const CmdSetStreamOutput& command); // stream_output_translation.cpp
    // unordered_access_clear_translation.cpp
    void operator()(const CmdClearUnorderedAccess& command);

private:
    // What a render pass instance is made of; a draw needing another one
    // ends the open instance and begins its own.
    struct RenderingSetup {
        std::vector<AttachmentView> colors; // null images for unbound slots
        AttachmentView depth;
        bool operator==(const RenderingSetup& other) const;
    };

    // A whole-target clear waiting for the render pass that loads the target.
    struct PendingClear {
        AttachmentView target;
        VkImageAspectFlags aspects; // for depth-stencil targets: which to clear
        VkClearValue value;
    };
    // A view's subresources that a draw's tables read or write, and the
    // state they are used in.
    struct ImageUse {
        GpuImage* image;
        SubresourceRange range;
        D3D12_RESOURCE_STATES state;
    };

    // Holds `object` alive until the submission of this list has finished.
    void KeepUntilFinished(const std::shared_ptr<const void>& object);
    void ForgetList(); // the list's state gone, the storage kept
    // Gathers the barriers `range` of `image` needs before it is used as
    // `needed` (or as its own state, where that includes `needed`), all in
    // one layout, and notes the use. Returns that layout.
    VkImageLayout TransitionForUse(GpuImage& image, const SubresourceRange& range,
                                   D3D12_RESOURCE_STATES needed);
    void MoveSubresource(const CmdTransition& transition, const StateChange& change);
    bool NeedsBarrier(GpuImage& image, const SubresourceRange& range, D3D12_RESOURCE_STATES needed);
    // The list's use of `image` begins: its subresources' uses are reset when the list ends.
    void Touch(GpuImage& image);
    // Notes the descriptors a draw's tables read, for a kept translation.
    void NoteDescriptorReads(const RootSignatureLayout& layout);
    void RecordBarriers() { barriers_.Record(commands_); }
    // Copies run outside render passes, after the clears queued before them.
    void BeginCopy(const std::shared_ptr<const void>& first,
                   const std::shared_ptr<const void>& second);
    void BeforeBufferCopy(const GpuBuffer* read, const GpuBuffer* written);
    void EndRendering();
    VkExtent2D BeginRendering(const RenderingSetup& setup);
    VkRenderingAttachmentInfo Attachment(const AttachmentView& view, VkImageLayout layout);
    static bool IsDepthTarget(const AttachmentView& view);
    bool HasPendingClear(const GpuImage& image) const;
    void QueueClear(const PendingClear& clear);
    void FlushClears();
    void ClearRects(const AttachmentView& target, const VkClearAttachment& clear,
                    const std::vector<D3D12_RECT>& rects);
    // The steps of a draw: its state checked, the render pass instance the
    // pipeline expects, the descriptor sets, the viewport and scissor, the
    // vertex buffers.
    bool CheckDrawState(const CmdDraw& command, VkPrimitiveTopology* topology);
    bool PrepareDraw(const CmdDraw& command);
    bool CheckDispatchState();
    bool BindDispatchState();
    void DrawIndirect(const CmdExecuteIndirect& command);
    void RecordIndirectDraws(const CmdExecuteIndirect& command, bool indexed);
    void DispatchIndirect(const CmdExecuteIndirect& command);
    bool MatchTargets(RenderingSetup* setup);
    bool MatchDrawPass(RenderingSetup* setup, VkPipeline* pipeline);
    bool BindDescriptorSets(std::vector<VkDescriptorSet>* sets);
    bool SameTablesAsLastDraw(const RootSignatureLayout& layout);
    bool SameDescriptorsAsLastDraw(const RootSignatureLayout& layout) const;
    // Keeps what the last draw's sets read for this list's submission; false
    // where a resource they read has been released since.
    bool KeepLastSetsObjects();
    bool CollectSampledImages(const RootSignatureLayout& layout, std::vector<ImageUse>* toSample,
                              bool* needsBarrier);
    bool AddDescriptor(const TableBinding& binding, const DescriptorRecord& record,
                       SetContent* content);
    // A shader-resource or unordered-access view (view_descriptor_translation.cpp).
    struct ViewedObjects {
        std::shared_ptr<GpuImage> image;
        std::shared_ptr<GpuBuffer> buffer;
    };
    bool AddViewDescriptors(const TableBinding& binding, const DescriptorRecord& record,
                            SetContent* content);
    void AddViewOfShape(const TableBinding& binding, dxbc::ResourceShape shape,
                        const DescriptorRecord& record, const ViewedObjects& viewed,
                        SetContent* content);
    void AddCounter(const TableBinding& binding, const DescriptorRecord& record, bool live,
                    bool nullDescriptors, SetContent* content);
    // The live object of a view of `kind` in `record` (null for a null view).
    // False, with the draw skipped for `missing`, when there is none and the
    // device cannot bind a null descriptor in its place.
    template <typename Object>
    bool ViewedObject(const DescriptorRecord& record, DescriptorKind kind,
                      const std::weak_ptr<Object>& held, const char* missing,
                      std::shared_ptr<Object>* object) {
        *object = record.kind == kind ? held.lock() : nullptr;
        if (*object == nullptr && !core_.context->features.nullDescriptor) {
            SkipCommand(missing);
            return false;
        }
        return true;
    }
    // The one descriptor of a root constants or root view parameter.
    bool AddRootArgument(uint32_t index, const RootParameterLayout& parameter, SetContent* content);
    void RememberSets(const std::shared_ptr<RootSignatureLayout>& layout,
                      const std::vector<VkDescriptorSet>& sets);
    bool BindVertexBuffers(const CmdDraw& command);
    // The draw's viewport slots, made again only when the list's viewports,
    // scissors or render area changed, and recorded only when they differ
    // from what the command buffer has.
    const ViewportSlotsState& DrawViewports();
    void RecordDynamicState(VkPrimitiveTopology topology);
    void BindSets(const std::vector<VkDescriptorSet>& sets);
    void SetPrimitiveRestart(bool restart);
    // The index buffer of an indexed draw and whether strips restart at the
    // pipeline's cut value; a draw without indices restarts nothing.
    bool BindIndexBuffer(const CmdDraw& command, VkPrimitiveTopology topology);
    void SkipCommand(const char* reason);
    // Stream output around a draw of a pipeline that has it: the pass ended
    // so that the last capture's count is visible, the targets bound and
    // capture begun from their filled sizes; then ended, writing them back.
    void BeforeCapturingDraw();
    bool BeginCapture();
    void EndCapture();
    void ClearFilledSizesHighWords(const VkBuffer* counters, const VkDeviceSize* counterOffsets);
    // Binds, to each slot the pipeline writes without a target, a scratch
    // buffer that cannot fill before the bound targets do: Windows drops
    // those writes alone, where Vulkan would stop capture at a slot with no room.
    // The buffer the first `slots` slots without a target capture into;
    // null where every one has a target.
    const GpuBuffer* ScratchForUnboundSlots(uint32_t slots);
    // A clear of an unordered-access view: copies of host memory holding the
    // element, ordered after and before everything else (the clear is not).
    void ClearBufferView(const CmdClearUnorderedAccess& command);
    void ClearImageView(const CmdClearUnorderedAccess& command);
    std::shared_ptr<GpuBuffer> FilledBuffer(const ClearElement& element, uint64_t count);
    void OrderAroundClear(bool before);
    // Rewrites `count` resolved occlusion counts at `offset` as 0 or 1.
    void BinaryResults(const GpuBuffer& buffer, uint64_t offset, uint32_t count);

    DeviceCore& core_;
    VkCommandBuffer commands_ = VK_NULL_HANDLE;
    std::vector<std::shared_ptr<const void>>* keepAlive_ = nullptr;
    TranslatedList* keptList_ = nullptr;
    static constexpr size_t kTypicalKeptObjects = 16;
    SeenSet<void> kept_;
    uint64_t draws_ = 0;
    uint32_t commandIndex_ = 0; // of the command translated now, in its list

    std::vector<D3D12_VIEWPORT> viewports_;
    std::vector<D3D12_RECT> scissors_;
    CmdSetRenderTargets targets_;
    bool rendering_ = false;
    RenderingSetup activeSetup_;
    VkExtent2D renderArea_{};
    std::shared_ptr<PipelineObject> pipeline_;
    VkPipeline boundPipeline_ = VK_NULL_HANDLE;
    // The render pass instance open is the one a draw began or matched, and
    // neither the targets nor the pipeline state have changed since: the
    // next draw needs neither matched again, and draws with `drawPassPipeline_`.
    bool drawPassCurrent_ = false;
    VkPipeline drawPassPipeline_ = VK_NULL_HANDLE;
    // The root signature and arguments of each kind; `arguments_` names the
    // ones the draw or dispatch being translated binds.
    struct RootArguments {
        std::shared_ptr<RootSignatureLayout> rootSignature;
        ParameterSlots<CmdSetTable> tables;
        ParameterSlots<uint32_t> tableCommands; // where in the list each table was set
        std::map<uint32_t, std::vector<uint32_t>> constants;
        std::map<uint32_t, CmdSetRootView> views;
        void Clear();
    };
    RootArguments& ArgumentsOf(bool compute) { return compute ? compute_ : graphics_; }
    RootArguments graphics_, compute_;
    RootArguments* arguments_ = &graphics_;
    ConstantUploads constantUploads_;
    D3D12_PRIMITIVE_TOPOLOGY topology_ = D3D_PRIMITIVE_TOPOLOGY_UNDEFINED;
    // A list begins with a blend factor of zeros and a stencil reference of 0,
    // as ClearState leaves them.
    std::array<float, 4> blendFactor_{};
    uint32_t stencilRef_ = 0;
    std::array<VertexBufferBinding, D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT> vertexBuffers_{};
    uint32_t vertexSlotsSet_ = 0; // the slots of vertexBuffers_ this list set lie below
    CmdSetIndexBuffer indexBuffer_;
    std::array<StreamOutputTarget, D3D12_SO_BUFFER_SLOT_COUNT> streamOutput_{};
    std::shared_ptr<GpuBuffer> streamOutputScratch_; // kept from list to list
    uint32_t captureSlots_ = 0; // one past the last slot bound for the capture under way
    const std::vector<StateChange>* changes_ = nullptr; // by the command translated now
    std::set<std::string> reported_;
    BarrierBatch barriers_;
    SeenSet<GpuImage> touchedSet_;
    std::vector<GpuImage*> touched_;
    std::vector<PendingClear> pendingClears_;
    std::set<const GpuBuffer*> buffersWritten_; // by copies since the last buffer barrier
    bool hostReadsBuffers_ = false;
    uint64_t renderPasses_ = 0;
    // The sets of the last draw whose tables read no textures, reused, in
    // this list or a later one, while its tables hold the same descriptors
    // (descriptors are read as a list executes, and cannot change while it does).
    struct LastSets {
        std::shared_ptr<const RootSignatureLayout> layout;
        std::vector<std::shared_ptr<const DescriptorStorage>> heaps; // per root parameter
        std::vector<uint32_t> firsts;                                // per root parameter
        std::vector<DescriptorRecord> records; // each table binding's, in order
        std::vector<VkDescriptorSet> sets;
        uint64_t cacheGeneration = 0; // of the set cache they came from
        bool keptByThisList = false;  // this list's submission keeps their objects
    } lastSets_;
    std::vector<VkDescriptorSet> drawSets_;
    std::vector<ImageUse> sampledScratch_; // reused by each draw
    RenderingSetup drawSetup_;             // reused by each draw
    // The slots of the last viewports and scissors translated, kept from
    // list to list with what they were made from.
    ViewportSlotsState viewSlots_;
    VkExtent2D viewSlotsArea_{};
    std::vector<D3D12_VIEWPORT> viewSlotsViewports_;
    std::vector<D3D12_RECT> viewSlotsScissors_;
    bool viewSlotsMade_ = false;
    bool viewSlotsStale_ = true; // the list's viewports or scissors were set since
    // What the list's command buffer has bound for draws. Every graphics
    // pipeline has the same dynamic state, so it outlasts pipeline binds and
    // render pass instances; sets stay bound while the layout is the same.
    struct VertexSlot {
        VkBuffer buffer = VK_NULL_HANDLE;
        VkDeviceSize offset = 0, size = 0, stride = 0;
        bool operator==(const VertexSlot& other) const {
            return buffer == other.buffer && offset == other.offset && size == other.size &&
                   stride == other.stride;
        }
    };
    struct BoundDrawState {
        bool viewports = false;
        VkPrimitiveTopology topology = VK_PRIMITIVE_TOPOLOGY_MAX_ENUM;
        int primitiveRestart = -1; // not yet recorded
        std::optional<std::array<float, 4>> blendFactor;
        std::optional<uint32_t> stencilRef;
        VkPipelineLayout setsLayout = VK_NULL_HANDLE;
        std::vector<VkDescriptorSet> sets;
        std::array<VertexSlot, D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT> vertexSlots{};
        std::array<bool, D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT> vertexSlotBound{};
        void Forget();
    } bound_;
};

} // namespace d3d12_standin
