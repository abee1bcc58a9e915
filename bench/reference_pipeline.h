// The reference's one graphics pipeline: the demo's vertex layout, one uniform
// buffer at set 0 binding 0, depth test, back faces culled.
#pragma once

#include "reference_gpu.h"
#include "reference_shaders.h"

namespace bench {

struct Pipeline {
    VkDescriptorSetLayout setLayout = VK_NULL_HANDLE;
    VkPipelineLayout layout = VK_NULL_HANDLE;
    VkPipeline pipeline = VK_NULL_HANDLE;
};

Pipeline CreatePipeline(const Gpu& gpu, const ReferenceShaders& shaders, VkFormat colorFormat,
                        VkFormat depthFormat);
void DestroyPipeline(const Gpu& gpu, Pipeline* pipeline);

} // namespace bench
