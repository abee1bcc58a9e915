#include "command_translator.h"

#include "state_translation.h"

#include <debug_messages.h>

#include <cstdio>
#include <mutex>

namespace d3d12_standin {
namespace {

VkExtent2D MipExtent(const GpuImage& image, uint32_t mip) {
    uint32_t width = image.width >> mip, height = image.height >> mip;
    return {width > 0 ? width : 1, height > 0 ? height : 1};
}

bool IsDepthImage(const GpuImage& image) {
    return (image.aspect & VK_IMAGE_ASPECT_DEPTH_BIT) != 0;
}

// Layouts that do not exist for an image's aspect fall back to GENERAL.
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

VkRect2D ClippedRect(const D3D12_RECT& rect, VkExtent2D area) {
    LONG left = rect.left < 0 ? 0 : rect.left, top = rect.top < 0 ? 0 : rect.top;
    LONG right = rect.right > LONG(area.width) ? LONG(area.width) : rect.right;
    LONG bottom = rect.bottom > LONG(area.height) ? LONG(area.height) : rect.bottom;
    if (right <= left || bottom <= top) {
        return {{0, 0}, {0, 0}};
    }
    return {{int32_t(left), int32_t(top)}, {uint32_t(right - left), uint32_t(bottom - top)}};
}

} // namespace

bool CommandTranslator::RenderingSetup::operator==(const RenderingSetup& other) const {
    if (colors.size() != other.colors.size() || depth.image != other.depth.image ||
        (depth.image != nullptr && depth.view < other.depth.view) ||
        (depth.image != nullptr && other.depth.view < depth.view)) {
        return false;
    }
    for (size_t i = 0; i < colors.size(); ++i) {
        const AttachmentView &a = colors[i], &b = other.colors[i];
        if (a.image != b.image || (a.image != nullptr && (a.view < b.view || b.view < a.view))) {
            return false;
        }
    }
    return true;
}

CommandTranslator::CommandTranslator(DeviceCore& core, VkCommandBuffer commands,
                                     std::vector<std::shared_ptr<const void>>& keepAlive)
    : core_(core), commands_(commands), keepAlive_(keepAlive) {
    // Order this list after everything submitted before it.
    FullBarrier();
}

void CommandTranslator::Translate(const std::vector<Command>& stream) {
    for (const Command& command : stream) {
        std::visit(*this, command);
    }
}

void CommandTranslator::Finish() {
    EndRendering();
    VkMemoryBarrier2 barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_MEMORY_BARRIER_2;
    barrier.srcStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
    barrier.srcAccessMask = VK_ACCESS_2_MEMORY_WRITE_BIT;
    barrier.dstStageMask = VK_PIPELINE_STAGE_2_HOST_BIT;
    barrier.dstAccessMask = VK_ACCESS_2_HOST_READ_BIT;
    VkDependencyInfo dependency{};
    dependency.sType = VK_STRUCTURE_TYPE_DEPENDENCY_INFO;
    dependency.memoryBarrierCount = 1;
    dependency.pMemoryBarriers = &barrier;
    vkCmdPipelineBarrier2(commands_, &dependency);
    for (GpuImage* image : promotedToRead_) {
        image->state = D3D12_RESOURCE_STATE_COMMON;
    }
    promotedToRead_.clear();
}

void CommandTranslator::Keep(const std::shared_ptr<const void>& object) {
    if (object != nullptr && kept_.insert(object.get()).second) {
        keepAlive_.push_back(object);
    }
}

void CommandTranslator::FullBarrier() {
    VkMemoryBarrier2 barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_MEMORY_BARRIER_2;
    barrier.srcStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
    barrier.srcAccessMask = VK_ACCESS_2_MEMORY_WRITE_BIT;
    barrier.dstStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
    barrier.dstAccessMask = VK_ACCESS_2_MEMORY_READ_BIT | VK_ACCESS_2_MEMORY_WRITE_BIT;
    VkDependencyInfo dependency{};
    dependency.sType = VK_STRUCTURE_TYPE_DEPENDENCY_INFO;
    dependency.memoryBarrierCount = 1;
    dependency.pMemoryBarriers = &barrier;
    vkCmdPipelineBarrier2(commands_, &dependency);
}

void CommandTranslator::Transition(GpuImage& image, VkImageLayout wanted) {
    VkImageLayout layout = UsableLayout(image, wanted);
    if (image.layout == layout) {
        return;
    }
    VkImageMemoryBarrier2 barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER_2;
    barrier.srcStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
    barrier.srcAccessMask = VK_ACCESS_2_MEMORY_WRITE_BIT;
    barrier.dstStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
    barrier.dstAccessMask = VK_ACCESS_2_MEMORY_READ_BIT | VK_ACCESS_2_MEMORY_WRITE_BIT;
    barrier.oldLayout = image.layout;
    barrier.newLayout = layout;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image.image;
    barrier.subresourceRange = {image.aspect, 0, image.mipLevels, 0, image.arrayLayers};
    VkDependencyInfo dependency{};
    dependency.sType = VK_STRUCTURE_TYPE_DEPENDENCY_INFO;
    dependency.imageMemoryBarrierCount = 1;
    dependency.pImageMemoryBarriers = &barrier;
    vkCmdPipelineBarrier2(commands_, &dependency);
    image.layout = layout;
}

void CommandTranslator::PromoteFromCommon(GpuImage& image, D3D12_RESOURCE_STATES state,
                                          bool readOnly) {
    // Resources in COMMON are promoted by their first use; read-only
    // promotions decay back at the end of the list.
    if (image.state != D3D12_RESOURCE_STATE_COMMON) {
        return;
    }
    image.state = state;
    if (readOnly) {
        promotedToRead_.push_back(&image);
    }
}

void CommandTranslator::operator()(const CmdBarriers& command) {
    EndRendering();
    for (const CmdTransition& transition : command.transitions) {
        if (transition.image == nullptr) {
            continue; // buffers and UAV/aliasing barriers: the full barrier below covers them
        }
        GpuImage& image = *transition.image;
        Keep(transition.image);
        if (image.state != transition.before && !image.stateMismatchReported) {
            image.stateMismatchReported = true;
            std::fprintf(stderr,
                         "ID3D12GraphicsCommandList::ResourceBarrier: the barrier says the "
                         "resource is in state 0x%X, but it is in state 0x%X; the stand-in "
                         "transitions it from the state it is really in\n",
                         unsigned(transition.before), unsigned(image.state));
        }
        image.state = transition.after;
        Transition(image, LayoutForState(transition.after));
    }
    FullBarrier();
}

void CommandTranslator::operator()(const CmdSetRenderTargets& command) {
    targets_ = command;
    for (const AttachmentView& view : command.colors) {
        Keep(view.image);
    }
    Keep(command.depth.image);
}

void CommandTranslator::operator()(const CmdSetVertexBuffers& command) {
    for (size_t i = 0; i < command.views.size(); ++i) {
        vertexBuffers_[command.startSlot + i] = command.views[i];
        Keep(command.views[i].buffer);
    }
}

void CommandTranslator::EndRendering() {
    if (rendering_) {
        vkCmdEndRendering(commands_);
        rendering_ = false;
        FullBarrier();
    }
}

VkExtent2D CommandTranslator::BeginRendering(const RenderingSetup& setup) {
    VkExtent2D area{UINT32_MAX, UINT32_MAX};
    auto shrink = [&area](VkExtent2D extent) {
        area.width = extent.width < area.width ? extent.width : area.width;
        area.height = extent.height < area.height ? extent.height : area.height;
    };
    std::vector<VkRenderingAttachmentInfo> colors(setup.colors.size());
    for (size_t i = 0; i < setup.colors.size(); ++i) {
        colors[i].sType = VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO;
        const AttachmentView& view = setup.colors[i];
        if (view.image == nullptr) {
            continue;
        }
        Transition(*view.image, VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL);
        colors[i].imageView = view.image->View(view.view);
        colors[i].imageLayout = VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL;
        colors[i].loadOp = VK_ATTACHMENT_LOAD_OP_LOAD;
        colors[i].storeOp = VK_ATTACHMENT_STORE_OP_STORE;
        shrink(MipExtent(*view.image, view.view.baseMip));
    }
    VkRenderingAttachmentInfo depth{};
    depth.sType = VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO;
    bool hasDepth = setup.depth.image != nullptr;
    bool hasStencil = hasDepth && (setup.depth.image->aspect & VK_IMAGE_ASPECT_STENCIL_BIT) != 0;
    if (hasDepth) {
        Transition(*setup.depth.image, VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL);
        depth.imageView = setup.depth.image->View(setup.depth.view);
        depth.imageLayout = VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL;
        depth.loadOp = VK_ATTACHMENT_LOAD_OP_LOAD;
        depth.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
        shrink(MipExtent(*setup.depth.image, setup.depth.view.baseMip));
    }
    if (area.width == UINT32_MAX) {
        area = {1, 1};
    }
    VkRenderingInfo info{};
    info.sType = VK_STRUCTURE_TYPE_RENDERING_INFO;
    info.renderArea = {{0, 0}, area};
    info.layerCount = 1;
    info.colorAttachmentCount = uint32_t(colors.size());
    info.pColorAttachments = colors.data();
    info.pDepthAttachment = hasDepth ? &depth : nullptr;
    info.pStencilAttachment = hasStencil ? &depth : nullptr;
    vkCmdBeginRendering(commands_, &info);
    rendering_ = true;
    activeSetup_ = setup;
    renderArea_ = area;
    return area;
}

void CommandTranslator::operator()(const CmdClearColor& command) {
    if (command.target.image == nullptr) {
        return; // a null view
    }
    EndRendering();
    Keep(command.target.image);
    RenderingSetup setup{{command.target}, {}};
    VkClearAttachment clear{};
    clear.aspectMask = VK_IMAGE_ASPECT_COLOR_BIT;
    for (int i = 0; i < 4; ++i) {
        clear.clearValue.color.float32[i] = command.color[i];
    }
    Transition(*command.target.image, VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL);
    VkRenderingAttachmentInfo attachment{};
    attachment.sType = VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO;
    attachment.imageView = command.target.image->View(command.target.view);
    attachment.imageLayout = VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL;
    attachment.loadOp =
        command.rects.empty() ? VK_ATTACHMENT_LOAD_OP_CLEAR : VK_ATTACHMENT_LOAD_OP_LOAD;
    attachment.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
    attachment.clearValue = clear.clearValue;
    ClearAttachment(command.target, attachment, false, false, clear, command.rects);
}

void CommandTranslator::operator()(const CmdClearDepth& command) {
    if (command.target.image == nullptr) {
        return; // a null view
    }
    EndRendering();
    Keep(command.target.image);
    GpuImage& image = *command.target.image;
    bool clearDepth = (command.flags & D3D12_CLEAR_FLAG_DEPTH) != 0;
    bool clearStencil = (command.flags & D3D12_CLEAR_FLAG_STENCIL) != 0 &&
                        (image.aspect & VK_IMAGE_ASPECT_STENCIL_BIT) != 0;
    if (!clearDepth && !clearStencil) {
        return;
    }
    VkClearAttachment clear{};
    clear.aspectMask = (clearDepth ? VK_IMAGE_ASPECT_DEPTH_BIT : 0) |
                       (clearStencil ? VK_IMAGE_ASPECT_STENCIL_BIT : 0);
    clear.clearValue.depthStencil = {command.depth, command.stencil};
    Transition(image, VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL);
    VkRenderingAttachmentInfo attachment{};
    attachment.sType = VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO;
    attachment.imageView = image.View(command.target.view);
    attachment.imageLayout = VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL;
    attachment.loadOp = VK_ATTACHMENT_LOAD_OP_LOAD;
    attachment.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
    attachment.clearValue = clear.clearValue;
    bool hasStencil = (image.aspect & VK_IMAGE_ASPECT_STENCIL_BIT) != 0;
    ClearAttachment(command.target, attachment, true, hasStencil, clear, command.rects);
}

// A one-off render pass instance on the target alone: whole-image colour
// clears use the load operation, everything else vkCmdClearAttachments.
void CommandTranslator::ClearAttachment(const AttachmentView& target,
                                        const VkRenderingAttachmentInfo& attachment, bool depth,
                                        bool stencil, const VkClearAttachment& clear,
                                        const std::vector<D3D12_RECT>& rects) {
    VkExtent2D area = MipExtent(*target.image, target.view.baseMip);
    VkRenderingInfo info{};
    info.sType = VK_STRUCTURE_TYPE_RENDERING_INFO;
    info.renderArea = {{0, 0}, area};
    info.layerCount = 1;
    info.colorAttachmentCount = depth ? 0 : 1;
    info.pColorAttachments = depth ? nullptr : &attachment;
    info.pDepthAttachment = depth ? &attachment : nullptr;
    info.pStencilAttachment = stencil ? &attachment : nullptr;
    vkCmdBeginRendering(commands_, &info);
    bool loadClears = !depth && rects.empty();
    if (!loadClears) {
        std::vector<VkClearRect> clearRects;
        if (rects.empty()) {
            clearRects.push_back({{{0, 0}, area}, 0, 1});
        }
        for (const D3D12_RECT& rect : rects) {
            VkRect2D clipped = ClippedRect(rect, area);
            if (clipped.extent.width > 0) {
                clearRects.push_back({clipped, 0, 1});
            }
        }
        if (!clearRects.empty()) {
            vkCmdClearAttachments(commands_, 1, &clear, uint32_t(clearRects.size()),
                                  clearRects.data());
        }
    }
    vkCmdEndRendering(commands_);
    FullBarrier();
}

void CommandTranslator::operator()(const CmdCopyBuffer& command) {
    EndRendering();
    Keep(command.destination);
    Keep(command.source);
    VkBufferCopy region{command.sourceOffset, command.destinationOffset, command.size};
    vkCmdCopyBuffer(commands_, command.source->buffer, command.destination->buffer, 1, &region);
    FullBarrier();
}

void CommandTranslator::operator()(const CmdCopyBufferTexture& command) {
    EndRendering();
    Keep(command.buffer);
    Keep(command.image);
    GpuImage& image = *command.image;
    const D3D12_SUBRESOURCE_FOOTPRINT& layout = command.footprint.Footprint;
    VkBufferImageCopy region{};
    // Vulkan counts the row pitch in texels; the recorder checked that it divides.
    uint32_t bytesPerTexel = image.bytesPerTexel;
    region.bufferOffset = command.footprint.Offset +
                          (uint64_t(command.footprintOffset.z) * layout.Height +
                           uint64_t(command.footprintOffset.y)) *
                              layout.RowPitch +
                          uint64_t(command.footprintOffset.x) * bytesPerTexel;
    region.bufferRowLength = layout.RowPitch / bytesPerTexel;
    region.bufferImageHeight = layout.Height;
    VkImageAspectFlags aspect =
        IsDepthImage(image) ? VkImageAspectFlags(VK_IMAGE_ASPECT_DEPTH_BIT) : image.aspect;
    region.imageSubresource = {aspect, command.mip, command.layer, 1};
    region.imageOffset = command.textureOffset;
    region.imageExtent = command.extent;
    if (command.toTexture) {
        PromoteFromCommon(image, D3D12_RESOURCE_STATE_COPY_DEST, false);
        Transition(image, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL);
        vkCmdCopyBufferToImage(commands_, command.buffer->buffer, image.image, image.layout, 1,
                               &region);
    } else {
        PromoteFromCommon(image, D3D12_RESOURCE_STATE_COPY_SOURCE, true);
        Transition(image, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL);
        vkCmdCopyImageToBuffer(commands_, image.image, image.layout, command.buffer->buffer, 1,
                               &region);
    }
    FullBarrier();
}

void CommandTranslator::operator()(const CmdCopyTextureTexture& command) {
    EndRendering();
    Keep(command.source);
    Keep(command.destination);
    GpuImage& source = *command.source;
    GpuImage& destination = *command.destination;
    if (&source == &destination) {
        SkipCommand("copies within one texture are not supported");
        return;
    }
    PromoteFromCommon(source, D3D12_RESOURCE_STATE_COPY_SOURCE, true);
    PromoteFromCommon(destination, D3D12_RESOURCE_STATE_COPY_DEST, false);
    Transition(source, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL);
    Transition(destination, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL);
    VkImageCopy region{};
    region.srcSubresource = {source.aspect, command.sourceMip, command.sourceLayer, 1};
    region.srcOffset = command.sourceOffset;
    region.dstSubresource = {destination.aspect, command.destinationMip, command.destinationLayer,
                             1};
    region.dstOffset = command.destinationOffset;
    region.extent = command.extent;
    vkCmdCopyImage(commands_, source.image, source.layout, destination.image, destination.layout, 1,
                   &region);
    FullBarrier();
}

void CommandTranslator::SkipCommand(const char* reason) {
    if (reported_.insert(reason).second) {
        // A bad draw repeats every frame: say it once per cause and pipeline
        // state (or root signature) for the whole run.
        static std::mutex mutex;
        static std::set<std::pair<const void*, std::string>> causes;
        const void* object =
            pipeline_ != nullptr ? static_cast<const void*>(pipeline_.get()) : rootSignature_.get();
        std::lock_guard<std::mutex> lock(mutex);
        const void* cause = &*causes.insert({object, reason}).first;
        standin::Report(standin::messages::DRAW_SKIPPED, cause,
                        "ID3D12CommandQueue::ExecuteCommandLists", "%s; skipped", reason);
    }
}

} // namespace d3d12_standin
