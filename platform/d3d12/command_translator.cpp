// Barriers, state tracking and copies; render passes and clears are in
// render_pass_translation.cpp, draws in draw_translation.cpp.
#include "command_translator.h"

#include "state_translation.h"
#include "testing_counters.h"
#include "translated_list.h"

#include <debug_messages.h>

#include <algorithm>
#include <cstdio>
#include <mutex>

namespace d3d12_standin {
namespace {

bool IsDepthImage(const GpuImage& image) {
    return (image.aspect & VK_IMAGE_ASPECT_DEPTH_BIT) != 0;
}

// The state a subresource is used in: its own state when that includes the
// use (GENERIC_READ for a copy source, either shader-resource state for a
// sample), else the state the use needs.
D3D12_RESOURCE_STATES UseState(D3D12_RESOURCE_STATES own, D3D12_RESOURCE_STATES needed) {
    return (own & needed) != 0 ? own : needed;
}

// Earlier lists finished before this one began; what they did is what the
// state they left allows.
StateUse LastUse(const SubresourceState& subresource, D3D12_RESOURCE_STATES state) {
    if (subresource.used) {
        return {subresource.usedStages, subresource.usedAccess};
    }
    return UseOfState(state);
}

void ForgetUse(SubresourceState* subresource) {
    subresource->used = subresource->wrote = false;
    subresource->usedStages = VK_PIPELINE_STAGE_2_NONE;
    subresource->usedAccess = VK_ACCESS_2_NONE;
}

// Calls `visit(mip, layer, state)` for each subresource of `range`.
template <typename Visit>
void ForEachSubresource(GpuImage& image, const SubresourceRange& range, Visit visit) {
    for (uint32_t layer = range.baseLayer; layer < range.baseLayer + range.layerCount; ++layer) {
        for (uint32_t mip = range.baseMip; mip < range.baseMip + range.mipCount; ++mip) {
            visit(mip, layer, image.Subresource(mip, layer));
        }
    }
}

// One view sees every subresource of its range in one layout: the first one's.
VkImageLayout ViewLayout(GpuImage& image, const SubresourceRange& range,
                         D3D12_RESOURCE_STATES needed) {
    D3D12_RESOURCE_STATES first = image.StateOf(range.baseMip, range.baseLayer);
    return UsableLayout(image, UseOfState(UseState(first, needed)).layout);
}

// Back to a default value, with the storage of its colour list kept.
template <typename Targets> void ClearKeepingColors(Targets* targets) {
    auto colors = std::move(targets->colors);
    colors.clear();
    *targets = {};
    targets->colors = std::move(colors);
}

} // namespace

VkImageLayout UsableLayout(const GpuImage& image, VkImageLayout layout) {
    bool depth = IsDepthImage(image);
    if (depth && layout == VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL) {
        return VK_IMAGE_LAYOUT_GENERAL;
    }
    if (!depth && (layout == VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL ||
                   layout == VK_IMAGE_LAYOUT_DEPTH_STENCIL_READ_ONLY_OPTIMAL)) {
        return VK_IMAGE_LAYOUT_GENERAL;
    }
    return layout;
}

VkExtent2D MipExtent(const GpuImage& image, uint32_t mip) {
    uint32_t width = image.width >> mip, height = image.height >> mip;
    return {width > 0 ? width : 1, height > 0 ? height : 1};
}

CommandTranslator::CommandTranslator(DeviceCore& core)
    : core_(core), constantUploads_(core.context) {}

void CommandTranslator::StartList(VkCommandBuffer commands,
                                  std::vector<std::shared_ptr<const void>>* keepAlive,
                                  TranslatedList* kept) {
    commands_ = commands; // the last list was forgotten when it finished
    keepAlive_ = keepAlive;
    keepAlive_->reserve(kTypicalKeptObjects);
    keptList_ = kept;
    commandIndex_ = 0;
    if (keptList_ != nullptr) {
        keptList_->translator = this;
        keptList_->complete = true;
    }
    draws_ = 0;
}

void CommandTranslator::ForgetList() {
    commands_ = VK_NULL_HANDLE;
    keepAlive_ = nullptr;
    keptList_ = nullptr;
    kept_.Clear();
    viewports_.clear();
    scissors_.clear();
    ClearKeepingColors(&targets_);
    rendering_ = false;
    drawPassCurrent_ = false;
    ClearKeepingColors(&activeSetup_);
    renderArea_ = {};
    pipeline_.reset();
    boundPipeline_ = VK_NULL_HANDLE;
    graphics_.Clear();
    compute_.Clear();
    arguments_ = &graphics_;
    constantUploads_ = ConstantUploads(core_.context); // its chunk belongs to the list
    topology_ = D3D_PRIMITIVE_TOPOLOGY_UNDEFINED;
    blendFactor_ = {};
    stencilRef_ = 0;
    std::fill_n(vertexBuffers_.begin(), vertexSlotsSet_, VertexBufferBinding{});
    vertexSlotsSet_ = 0;
    indexBuffer_ = {};
    streamOutput_ = {};
    changes_ = nullptr;
    reported_.clear();
    barriers_.Clear();
    for (GpuImage* image : touched_) {
        for (SubresourceState& subresource : image->subresources) {
            ForgetUse(&subresource);
        }
    }
    touched_.clear();
    touchedSet_.Clear();
    pendingClears_.clear();
    buffersWritten_.clear();
    hostReadsBuffers_ = false;
    renderPasses_ = 0;
    lastSets_.keptByThisList = false;
    drawSets_.clear();
    ClearKeepingColors(&drawSetup_);
    viewSlotsStale_ = true;
    bound_.Forget();
    sampledScratch_.clear();
}

void CommandTranslator::Finish() {
    EndRendering();
    FlushClears();
    if (hostReadsBuffers_) {
        barriers_.AddMemory({VK_PIPELINE_STAGE_2_COPY_BIT, VK_ACCESS_2_TRANSFER_WRITE_BIT},
                            {VK_PIPELINE_STAGE_2_HOST_BIT, VK_ACCESS_2_HOST_READ_BIT});
    }
    RecordBarriers();
    CountTranslatedWork(barriers_.Recorded(), renderPasses_);
    if (keptList_ != nullptr) {
        for (TranslatedList::ImageLayouts& layouts : keptList_->images) {
            for (const SubresourceState& subresource : layouts.image->subresources) {
                layouts.after.push_back(subresource.layout);
            }
        }
        keptList_->draws = draws_;
        keptList_->barriers = barriers_.Recorded();
        keptList_->renderPasses = renderPasses_;
    }
    ForgetList();
}

void CommandTranslator::KeepUntilFinished(const std::shared_ptr<const void>& object) {
    if (object != nullptr && kept_.Insert(object.get())) {
        keepAlive_->push_back(object);
        if (keptList_ != nullptr) {
            keptList_->used.push_back(object);
        }
    }
}

void CommandTranslator::BeginCopy(const std::shared_ptr<const void>& first,
                                  const std::shared_ptr<const void>& second) {
    EndRendering();
    FlushClears();
    KeepUntilFinished(first);
    KeepUntilFinished(second);
}

void CommandTranslator::Touch(GpuImage& image) {
    if (!touchedSet_.Insert(&image)) {
        return;
    }
    touched_.push_back(&image);
    if (keptList_ != nullptr) {
        // Nothing has moved its layouts in this list yet, nor its states
        // unless the pass over the list has noted them before.
        TranslatedList::ImageLayouts& layouts = keptList_->images.emplace_back();
        layouts.image = &image;
        for (const SubresourceState& subresource : image.subresources) {
            layouts.before.push_back(subresource.layout);
        }
        keptList_->NoteStates(image.states);
    }
}

bool CommandTranslator::NeedsBarrier(GpuImage& image, const SubresourceRange& range,
                                     D3D12_RESOURCE_STATES needed) {
    VkImageLayout wanted = ViewLayout(image, range, needed);
    bool needs = false;
    ForEachSubresource(
        image, range, [&](uint32_t mip, uint32_t layer, const SubresourceState& subresource) {
            D3D12_RESOURCE_STATES state = UseState(image.StateOf(mip, layer), needed);
            needs = needs || subresource.layout != wanted ||
                    (subresource.used && (subresource.wrote || StateWrites(state)));
        });
    return needs;
}

VkImageLayout CommandTranslator::TransitionForUse(GpuImage& image, const SubresourceRange& range,
                                                  D3D12_RESOURCE_STATES needed) {
    Touch(image);
    VkImageLayout wanted = ViewLayout(image, range, needed);
    ForEachSubresource(
        image, range, [&](uint32_t mip, uint32_t layer, SubresourceState& subresource) {
            D3D12_RESOURCE_STATES own = image.StateOf(mip, layer);
            D3D12_RESOURCE_STATES state = UseState(own, needed);
            StateUse use = UseOfState(state);
            use.layout = wanted;
            bool hazard = subresource.used && (subresource.wrote || StateWrites(state));
            if (subresource.layout != wanted || hazard) {
                barriers_.AddImage(image, mip, layer, LastUse(subresource, own), use, wanted);
                ForgetUse(&subresource);
            }
            subresource.used = true;
            subresource.wrote = subresource.wrote || StateWrites(state);
            subresource.usedStages |= use.stages;
            subresource.usedAccess |= use.access;
        });
    return wanted;
}

void CommandTranslator::operator()(const CmdBarriers& command) {
    for (const CmdTransition& transition : command.transitions) {
        if (transition.image == nullptr) {
            // A buffer, a UAV or an aliasing barrier: writes become visible to
            // the uses of the new state.
            if (transition.before != transition.after || StateWrites(transition.after)) {
                barriers_.AddMemory(UseOfState(transition.before), UseOfState(transition.after));
                buffersWritten_.clear();
            }
            continue;
        }
        KeepUntilFinished(transition.image);
        Touch(*transition.image);
        if (HasPendingClear(*transition.image)) {
            FlushClears();
        }
    }
    for (const StateChange& change : *changes_) {
        MoveSubresource(command.transitions[change.transition], change);
    }
    if (!barriers_.Empty()) {
        EndRendering(); // barriers go between render pass instances
    }
}

// Moves one subresource a barrier moved, from the state it was really in.
void CommandTranslator::MoveSubresource(const CmdTransition& transition,
                                        const StateChange& change) {
    if (transition.image == nullptr || change.before == transition.after) {
        return;
    }
    GpuImage& image = *transition.image;
    const uint32_t planeSize = image.mipLevels * image.arrayLayers;
    if (change.subresource >= planeSize && transition.subresource == kAllSubresources) {
        return; // the planes share one Vulkan subresource, moved with the first
    }
    const SubresourceRange range = image.RangeOfIndex(change.subresource);
    SubresourceState& subresource = image.Subresource(range.baseMip, range.baseLayer);
    StateUse after = UseOfState(transition.after);
    barriers_.AddImage(image, range.baseMip, range.baseLayer, LastUse(subresource, change.before),
                       after, UsableLayout(image, after.layout));
    ForgetUse(&subresource);
}

void CommandTranslator::operator()(const CmdSetRenderTargets& command) {
    targets_ = command;
    drawPassCurrent_ = false;
    for (const AttachmentView& view : command.colors) {
        KeepUntilFinished(view.image);
    }
    KeepUntilFinished(command.depth.image);
}

void CommandTranslator::operator()(const CmdSetVertexBuffers& command) {
    for (size_t i = 0; i < command.views.size(); ++i) {
        vertexBuffers_[command.startSlot + i] = command.views[i];
        KeepUntilFinished(command.views[i].buffer);
    }
    vertexSlotsSet_ = std::max(vertexSlotsSet_, uint32_t(command.startSlot + command.views.size()));
}

// Copies wait for earlier copies into the same buffers; D3D12 orders those
// without a barrier.
void CommandTranslator::BeforeBufferCopy(const GpuBuffer* read, const GpuBuffer* written) {
    if ((read != nullptr && buffersWritten_.count(read) != 0) ||
        (written != nullptr && buffersWritten_.count(written) != 0)) {
        StateUse copy{VK_PIPELINE_STAGE_2_COPY_BIT,
                      VK_ACCESS_2_TRANSFER_READ_BIT | VK_ACCESS_2_TRANSFER_WRITE_BIT};
        barriers_.AddMemory(copy, copy);
        buffersWritten_.clear();
    }
    if (written != nullptr) {
        buffersWritten_.insert(written);
        hostReadsBuffers_ = true;
    }
}

void CommandTranslator::operator()(const CmdCopyBuffer& command) {
    BeginCopy(command.destination, command.source);
    BeforeBufferCopy(command.source.get(), command.destination.get());
    RecordBarriers();
    VkBufferCopy region{command.sourceOffset, command.destinationOffset, command.size};
    vkCmdCopyBuffer(commands_, command.source->buffer, command.destination->buffer, 1, &region);
}

void CommandTranslator::operator()(const CmdCopyBufferTexture& command) {
    BeginCopy(command.buffer, command.image);
    GpuImage& image = *command.image;
    const D3D12_SUBRESOURCE_FOOTPRINT& layout = command.footprint.Footprint;
    VkBufferImageCopy region{};
    // Vulkan counts the row pitch in texels; the recorder checked that it
    // divides. Rows of a block-compressed footprint are rows of blocks.
    const uint32_t block = image.blockSize;
    region.bufferOffset = command.footprint.Offset +
                          (uint64_t(command.footprintOffset.z) * layout.Height +
                           uint64_t(command.footprintOffset.y)) /
                              block * layout.RowPitch +
                          uint64_t(command.footprintOffset.x) / block * image.bytesPerBlock;
    region.bufferRowLength = layout.RowPitch / image.bytesPerBlock * block;
    region.bufferImageHeight = layout.Height;
    VkImageAspectFlags aspect =
        IsDepthImage(image) ? VkImageAspectFlags(VK_IMAGE_ASPECT_DEPTH_BIT) : image.aspect;
    region.imageSubresource = {aspect, command.mip, command.layer, 1};
    region.imageOffset = command.textureOffset;
    region.imageExtent = command.extent;
    SubresourceRange range{command.mip, 1, command.layer, 1};
    if (command.toTexture) {
        VkImageLayout layout = TransitionForUse(image, range, D3D12_RESOURCE_STATE_COPY_DEST);
        BeforeBufferCopy(command.buffer.get(), nullptr);
        RecordBarriers();
        vkCmdCopyBufferToImage(commands_, command.buffer->buffer, image.image, layout, 1, &region);
    } else {
        VkImageLayout layout = TransitionForUse(image, range, D3D12_RESOURCE_STATE_COPY_SOURCE);
        BeforeBufferCopy(nullptr, command.buffer.get());
        RecordBarriers();
        vkCmdCopyImageToBuffer(commands_, image.image, layout, command.buffer->buffer, 1, &region);
    }
}

void CommandTranslator::operator()(const CmdCopyTextureTexture& command) {
    BeginCopy(command.source, command.destination);
    GpuImage& source = *command.source;
    GpuImage& destination = *command.destination;
    SubresourceRange read{command.sourceMip, 1, command.sourceLayer, 1};
    SubresourceRange written{command.destinationMip, 1, command.destinationLayer, 1};
    if (&source == &destination && read.baseMip == written.baseMip &&
        read.baseLayer == written.baseLayer) {
        SkipCommand("copies within one subresource are not supported");
        return;
    }
    VkImageLayout sourceLayout = TransitionForUse(source, read, D3D12_RESOURCE_STATE_COPY_SOURCE);
    VkImageLayout destinationLayout =
        TransitionForUse(destination, written, D3D12_RESOURCE_STATE_COPY_DEST);
    RecordBarriers();
    VkImageCopy region{};
    region.srcSubresource = {source.aspect, command.sourceMip, command.sourceLayer, 1};
    region.srcOffset = command.sourceOffset;
    region.dstSubresource = {destination.aspect, command.destinationMip, command.destinationLayer,
                             1};
    region.dstOffset = command.destinationOffset;
    region.extent = command.extent;
    vkCmdCopyImage(commands_, source.image, sourceLayout, destination.image, destinationLayout, 1,
                   &region);
}

void CommandTranslator::operator()(const CmdCopyTextures& command) {
    BeginCopy(command.source, command.destination);
    GpuImage& source = *command.source;
    GpuImage& destination = *command.destination;
    VkImageLayout sourceLayout =
        TransitionForUse(source, source.All(), D3D12_RESOURCE_STATE_COPY_SOURCE);
    VkImageLayout destinationLayout =
        TransitionForUse(destination, destination.All(), D3D12_RESOURCE_STATE_COPY_DEST);
    RecordBarriers();
    // One region per mip, each of every array slice.
    std::vector<VkImageCopy> regions(source.mipLevels);
    for (uint32_t mip = 0; mip < source.mipLevels; ++mip) {
        VkImageCopy& region = regions[mip];
        region.srcSubresource = {source.aspect, mip, 0, source.arrayLayers};
        region.dstSubresource = {destination.aspect, mip, 0, destination.arrayLayers};
        const VkExtent2D extent = MipExtent(source, mip);
        const uint32_t depth = source.depth >> mip;
        region.extent = {extent.width, extent.height, depth > 0 ? depth : 1};
    }
    vkCmdCopyImage(commands_, source.image, sourceLayout, destination.image, destinationLayout,
                   uint32_t(regions.size()), regions.data());
}

void CommandTranslator::RootArguments::Clear() {
    rootSignature.reset();
    tables.Clear();
    tableCommands.Clear();
    constants.clear();
    views.clear();
}

void CommandTranslator::SkipCommand(const char* reason) {
    if (keptList_ != nullptr) {
        keptList_->complete = false; // the skip must be judged again at each execution
    }
    if (reported_.insert(reason).second) {
        // A bad draw repeats every frame: say it once per cause and pipeline
        // state (or root signature) for the whole run.
        static std::mutex mutex;
        static std::set<std::pair<const void*, std::string>> causes;
        const void* object = pipeline_ != nullptr ? static_cast<const void*>(pipeline_.get())
                                                  : graphics_.rootSignature.get();
        std::lock_guard<std::mutex> lock(mutex);
        const void* cause = &*causes.insert({object, reason}).first;
        standin::Report(standin::messages::DRAW_SKIPPED, cause,
                        "ID3D12CommandQueue::ExecuteCommandLists", "%s; skipped", reason);
    }
}

} // namespace d3d12_standin
