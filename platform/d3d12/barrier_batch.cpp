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

void BarrierBatch::AddImage(GpuImage& image, const StateUse& before, const StateUse& after,
                            VkImageLayout layout) {
    for (VkImageMemoryBarrier2& barrier : images_) {
        if (barrier.image == image.image) {
            barrier.dstStageMask = after.stages;
            barrier.dstAccessMask = after.access;
            barrier.newLayout = layout;
            image.layout = layout;
            return;
        }
    }
    VkImageMemoryBarrier2 barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER_2;
    barrier.srcStageMask = SourceStages(before);
    barrier.srcAccessMask = before.access & kWriteAccess;
    barrier.dstStageMask = after.stages;
    barrier.dstAccessMask = after.access;
    barrier.oldLayout = image.layout;
    barrier.newLayout = layout;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image.image;
    barrier.subresourceRange = {image.aspect, 0, image.mipLevels, 0, image.arrayLayers};
    images_.push_back(barrier);
    image.layout = layout;
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
