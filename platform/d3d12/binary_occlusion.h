// Binary occlusion results: Vulkan counts samples, Direct3D 12 writes 1 where
// any passed. A small compute pass turns resolved counts into 0 or 1.
#pragma once

#include "descriptor_set_cache.h"

#include <vulkan_context.h>

#include <memory>

namespace d3d12_standin {

class BinaryOcclusionPass {
public:
    explicit BinaryOcclusionPass(std::shared_ptr<vk_core::VulkanContext> context);
    ~BinaryOcclusionPass();
    BinaryOcclusionPass(const BinaryOcclusionPass&) = delete;
    BinaryOcclusionPass& operator=(const BinaryOcclusionPass&) = delete;

    // Records, after the copy of `count` 64-bit counts into `buffer` at
    // `offset`, their rewrite as 0 or 1, ordered after the copy and before
    // later copies and host reads.
    void Record(VkCommandBuffer commands, DescriptorSetCache& sets, const GpuBuffer& buffer,
                uint64_t offset, uint32_t count);

private:
    std::shared_ptr<vk_core::VulkanContext> context_;
    VkDescriptorSetLayout setLayout_ = VK_NULL_HANDLE;
    VkPipelineLayout pipelineLayout_ = VK_NULL_HANDLE;
    VkPipeline pipeline_ = VK_NULL_HANDLE;
    uint64_t layoutId_ = NextObjectId();
};

} // namespace d3d12_standin
