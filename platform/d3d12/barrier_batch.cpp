#include "barrier_batch.h"

namespace d3d12_standin {
namespace {

// Work done in COMMON is unknown work: wait for all of it (the first scope
// of BOTTOM_OF_PIPE is every stage). Nothing in this list waits for COMMON.
VkPipelineStageFlags2 SourceStages(const StateUse& use) {
    return use.stages != VK_PIPELINE_STAGE_2_NONE ? use.stages
                                                  : VK_PIPELINE_STAGE_2_BOTTOM_OF_PIPE_BIT;
}

// Only writes need making available.
constexpr VkAccessFlags2 kWriteAccess =
    VK_ACCESS_2_COLOR_ATTACHMENT_WRITE_BIT | VK_ACCESS_2_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT |
    VK_ACCESS_2_SHADER_STORAGE_WRITE_BIT | VK_ACCESS_2_TRANSFER_WRITE_BIT;

} // namespace

void BarrierBatch::AddImage(GpuImage& image, uint32_t mip, uint32_t layer, const StateUse& before,
                            const StateUse& after, VkImageLayout layout) {
    SubresourceState& subresource = image.Subresource(mip, layer);
    for (VkImageMemoryBarrier2& barrier : images_) {
        if (barrier.image == image.image && barrier.subresourceRange.baseMipLevel == mip &&
            barrier.subresourceRange.baseArrayLayer == layer) {
            barrier.dstStageMask = after.stages;
            barrier.dstAccessMask = after.access;
            barrier.newLayout = layout;
            subresource.layout = layout;
            return;
        }
    }
    VkImageMemoryBarrier2 barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER_2;
    barrier.srcStageMask = SourceStages(before);
    barrier.srcAccessMask = before.access & kWriteAccess;
    barrier.dstStageMask = after.stages;
    barrier.dstAccessMask = after.access;
    barrier.oldLayout = subresource.layout;
    barrier.newLayout = layout;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image.image;
    barrier.subresourceRange = {image.aspect, mip, 1, layer, 1};
    images_.push_back(barrier);
    subresource.layout = layout;
}

namespace {

bool MovesAlike(const VkImageMemoryBarrier2& a, const VkImageMemoryBarrier2& b) {
    return a.image == b.image && a.oldLayout == b.oldLayout && a.newLayout == b.newLayout &&
           a.srcStageMask == b.srcStageMask && a.srcAccessMask == b.srcAccessMask &&
           a.dstStageMask == b.dstStageMask && a.dstAccessMask == b.dstAccessMask;
}

} // namespace

void BarrierBatch::Coalesce(bool alongMips) {
    size_t kept = 0;
    for (size_t i = 0; i < images_.size(); ++i) {
        if (kept > 0 && MovesAlike(images_[kept - 1], images_[i])) {
            VkImageSubresourceRange& last = images_[kept - 1].subresourceRange;
            const VkImageSubresourceRange& next = images_[i].subresourceRange;
            bool continuesMips = last.baseArrayLayer == next.baseArrayLayer &&
                                 last.layerCount == next.layerCount &&
                                 next.baseMipLevel == last.baseMipLevel + last.levelCount;
            bool continuesLayers = last.baseMipLevel == next.baseMipLevel &&
                                   last.levelCount == next.levelCount &&
                                   next.baseArrayLayer == last.baseArrayLayer + last.layerCount;
            if (alongMips && continuesMips) {
                last.levelCount += next.levelCount;
                continue;
            }
            if (!alongMips && continuesLayers) {
                last.layerCount += next.layerCount;
                continue;
            }
        }
        images_[kept++] = images_[i];
    }
    images_.resize(kept);
}

void BarrierBatch::AddMemory(const StateUse& before, const StateUse& after) {
    if (!memory_) {
        memory_ = true;
        memoryBarrier_ = {};
        memoryBarrier_.sType = VK_STRUCTURE_TYPE_MEMORY_BARRIER_2;
    }
    memoryBarrier_.srcStageMask |= SourceStages(before);
    memoryBarrier_.srcAccessMask |= before.access & kWriteAccess;
    memoryBarrier_.dstStageMask |= after.stages;
    memoryBarrier_.dstAccessMask |= after.access;
}

void BarrierBatch::Record(VkCommandBuffer commands) {
    if (Empty()) {
        return;
    }
    Coalesce(true);
    Coalesce(false);
    VkDependencyInfo dependency{};
    dependency.sType = VK_STRUCTURE_TYPE_DEPENDENCY_INFO;
    dependency.memoryBarrierCount = memory_ ? 1 : 0;
    dependency.pMemoryBarriers = &memoryBarrier_;
    dependency.imageMemoryBarrierCount = uint32_t(images_.size());
    dependency.pImageMemoryBarriers = images_.data();
    vkCmdPipelineBarrier2(commands, &dependency);
    images_.clear();
    memory_ = false;
    ++recorded_;
}

} // namespace d3d12_standin
