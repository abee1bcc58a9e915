// The compute pass that rewrites resolved occlusion counts as 0 or 1.
#include "binary_occlusion.h"

#include <vulkan_check.h>

namespace d3d12_standin {
namespace {

// glslangValidator -V of the source below, its LocalSizeId execution mode
// (which needs maintenance4) written as LocalSize 64 x 1 x 1:
//   layout(local_size_x = 64) in;
//   layout(set = 0, binding = 0) buffer Results { uvec2 values[]; } results;
//   layout(push_constant) uniform Range { uint first; uint count; } range;
//   void main() {
//       uint i = gl_GlobalInvocationID.x;
//       if (i < range.count) {
//           uvec2 value = results.values[range.first + i];
//           results.values[range.first + i] = uvec2((value.x | value.y) != 0u ? 1u : 0u, 0u);
//       }
//   }
constexpr uint32_t kShader[] = {
    0x07230203, 0x00010600, 0x0008000b, 0x0000003c, 0x00000000, 0x00020011, 0x00000001, 0x0006000b,
    0x00000001, 0x4c534c47, 0x6474732e, 0x3035342e, 0x00000000, 0x0003000e, 0x00000000, 0x00000001,
    0x0008000f, 0x00000005, 0x00000004, 0x6e69616d, 0x00000000, 0x0000000d, 0x00000015, 0x00000025,
    0x00060010, 0x00000004, 0x00000011, 0x00000040, 0x00000001, 0x00000001, 0x00030003, 0x00000002,
    0x000001c2, 0x00040005, 0x00000004, 0x6e69616d, 0x00000000, 0x00030005, 0x0000000a, 0x00000069,
    0x00080005, 0x0000000d, 0x475f6c67, 0x61626f6c, 0x766e496c, 0x7461636f, 0x496e6f69, 0x00000044,
    0x00040005, 0x00000013, 0x676e6152, 0x00000065, 0x00050006, 0x00000013, 0x00000000, 0x73726966,
    0x00000074, 0x00050006, 0x00000013, 0x00000001, 0x6e756f63, 0x00000074, 0x00040005, 0x00000015,
    0x676e6172, 0x00000065, 0x00040005, 0x00000021, 0x756c6176, 0x00000065, 0x00040005, 0x00000023,
    0x75736552, 0x0073746c, 0x00050006, 0x00000023, 0x00000000, 0x756c6176, 0x00007365, 0x00040005,
    0x00000025, 0x75736572, 0x0073746c, 0x00040047, 0x0000000d, 0x0000000b, 0x0000001c, 0x00050048,
    0x00000013, 0x00000000, 0x00000023, 0x00000000, 0x00050048, 0x00000013, 0x00000001, 0x00000023,
    0x00000004, 0x00030047, 0x00000013, 0x00000002, 0x00040047, 0x00000022, 0x00000006, 0x00000008,
    0x00050048, 0x00000023, 0x00000000, 0x00000023, 0x00000000, 0x00030047, 0x00000023, 0x00000002,
    0x00040047, 0x00000025, 0x00000022, 0x00000000, 0x00040047, 0x00000025, 0x00000021, 0x00000000,
    0x00020013, 0x00000002, 0x00030021, 0x00000003, 0x00000002, 0x00040015, 0x00000006, 0x00000020,
    0x00000000, 0x0004002b, 0x00000006, 0x00000007, 0x00000040, 0x0004002b, 0x00000006, 0x00000008,
    0x00000001, 0x00040020, 0x00000009, 0x00000007, 0x00000006, 0x00040017, 0x0000000b, 0x00000006,
    0x00000003, 0x00040020, 0x0000000c, 0x00000001, 0x0000000b, 0x0004003b, 0x0000000c, 0x0000000d,
    0x00000001, 0x0004002b, 0x00000006, 0x0000000e, 0x00000000, 0x00040020, 0x0000000f, 0x00000001,
    0x00000006, 0x0004001e, 0x00000013, 0x00000006, 0x00000006, 0x00040020, 0x00000014, 0x00000009,
    0x00000013, 0x0004003b, 0x00000014, 0x00000015, 0x00000009, 0x00040015, 0x00000016, 0x00000020,
    0x00000001, 0x0004002b, 0x00000016, 0x00000017, 0x00000001, 0x00040020, 0x00000018, 0x00000009,
    0x00000006, 0x00020014, 0x0000001b, 0x00040017, 0x0000001f, 0x00000006, 0x00000002, 0x00040020,
    0x00000020, 0x00000007, 0x0000001f, 0x0003001d, 0x00000022, 0x0000001f, 0x0003001e, 0x00000023,
    0x00000022, 0x00040020, 0x00000024, 0x0000000c, 0x00000023, 0x0004003b, 0x00000024, 0x00000025,
    0x0000000c, 0x0004002b, 0x00000016, 0x00000026, 0x00000000, 0x00040020, 0x0000002b, 0x0000000c,
    0x0000001f, 0x0006002c, 0x0000000b, 0x0000003b, 0x00000007, 0x00000008, 0x00000008, 0x00050036,
    0x00000002, 0x00000004, 0x00000000, 0x00000003, 0x000200f8, 0x00000005, 0x0004003b, 0x00000009,
    0x0000000a, 0x00000007, 0x0004003b, 0x00000020, 0x00000021, 0x00000007, 0x00050041, 0x0000000f,
    0x00000010, 0x0000000d, 0x0000000e, 0x0004003d, 0x00000006, 0x00000011, 0x00000010, 0x0003003e,
    0x0000000a, 0x00000011, 0x0004003d, 0x00000006, 0x00000012, 0x0000000a, 0x00050041, 0x00000018,
    0x00000019, 0x00000015, 0x00000017, 0x0004003d, 0x00000006, 0x0000001a, 0x00000019, 0x000500b0,
    0x0000001b, 0x0000001c, 0x00000012, 0x0000001a, 0x000300f7, 0x0000001e, 0x00000000, 0x000400fa,
    0x0000001c, 0x0000001d, 0x0000001e, 0x000200f8, 0x0000001d, 0x00050041, 0x00000018, 0x00000027,
    0x00000015, 0x00000026, 0x0004003d, 0x00000006, 0x00000028, 0x00000027, 0x0004003d, 0x00000006,
    0x00000029, 0x0000000a, 0x00050080, 0x00000006, 0x0000002a, 0x00000028, 0x00000029, 0x00060041,
    0x0000002b, 0x0000002c, 0x00000025, 0x00000026, 0x0000002a, 0x0004003d, 0x0000001f, 0x0000002d,
    0x0000002c, 0x0003003e, 0x00000021, 0x0000002d, 0x00050041, 0x00000018, 0x0000002e, 0x00000015,
    0x00000026, 0x0004003d, 0x00000006, 0x0000002f, 0x0000002e, 0x0004003d, 0x00000006, 0x00000030,
    0x0000000a, 0x00050080, 0x00000006, 0x00000031, 0x0000002f, 0x00000030, 0x00050041, 0x00000009,
    0x00000032, 0x00000021, 0x0000000e, 0x0004003d, 0x00000006, 0x00000033, 0x00000032, 0x00050041,
    0x00000009, 0x00000034, 0x00000021, 0x00000008, 0x0004003d, 0x00000006, 0x00000035, 0x00000034,
    0x000500c5, 0x00000006, 0x00000036, 0x00000033, 0x00000035, 0x000500ab, 0x0000001b, 0x00000037,
    0x00000036, 0x0000000e, 0x000600a9, 0x00000006, 0x00000038, 0x00000037, 0x00000008, 0x0000000e,
    0x00050050, 0x0000001f, 0x00000039, 0x00000038, 0x0000000e, 0x00060041, 0x0000002b, 0x0000003a,
    0x00000025, 0x00000026, 0x00000031, 0x0003003e, 0x0000003a, 0x00000039, 0x000200f9, 0x0000001e,
    0x000200f8, 0x0000001e, 0x000100fd, 0x00010038};
constexpr uint32_t kGroupSize = 64;

struct Range {
    uint32_t first, count;
};

} // namespace

BinaryOcclusionPass::BinaryOcclusionPass(std::shared_ptr<vk_core::VulkanContext> context)
    : context_(std::move(context)) {
    VkDevice device = context_->device;
    VkDescriptorSetLayoutBinding binding{0, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, 1,
                                         VK_SHADER_STAGE_COMPUTE_BIT, nullptr};
    VkDescriptorSetLayoutCreateInfo setInfo{};
    setInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_LAYOUT_CREATE_INFO;
    setInfo.bindingCount = 1;
    setInfo.pBindings = &binding;
    VK_CHECK(vkCreateDescriptorSetLayout(device, &setInfo, nullptr, &setLayout_));
    VkPushConstantRange constants{VK_SHADER_STAGE_COMPUTE_BIT, 0, sizeof(Range)};
    VkPipelineLayoutCreateInfo layoutInfo{};
    layoutInfo.sType = VK_STRUCTURE_TYPE_PIPELINE_LAYOUT_CREATE_INFO;
    layoutInfo.setLayoutCount = 1;
    layoutInfo.pSetLayouts = &setLayout_;
    layoutInfo.pushConstantRangeCount = 1;
    layoutInfo.pPushConstantRanges = &constants;
    VK_CHECK(vkCreatePipelineLayout(device, &layoutInfo, nullptr, &pipelineLayout_));
    VkShaderModuleCreateInfo moduleInfo{};
    moduleInfo.sType = VK_STRUCTURE_TYPE_SHADER_MODULE_CREATE_INFO;
    moduleInfo.codeSize = sizeof(kShader);
    moduleInfo.pCode = kShader;
    VkShaderModule module = VK_NULL_HANDLE;
    VK_CHECK(vkCreateShaderModule(device, &moduleInfo, nullptr, &module));
    VkComputePipelineCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_COMPUTE_PIPELINE_CREATE_INFO;
    info.stage.sType = VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO;
    info.stage.stage = VK_SHADER_STAGE_COMPUTE_BIT;
    info.stage.module = module;
    info.stage.pName = "main";
    info.layout = pipelineLayout_;
    VK_CHECK(vkCreateComputePipelines(device, VK_NULL_HANDLE, 1, &info, nullptr, &pipeline_));
    vkDestroyShaderModule(device, module, nullptr);
}

BinaryOcclusionPass::~BinaryOcclusionPass() {
    if (context_->lost) {
        return; // unfinished work may still use them
    }
    vkDestroyPipeline(context_->device, pipeline_, nullptr);
    vkDestroyPipelineLayout(context_->device, pipelineLayout_, nullptr);
    vkDestroyDescriptorSetLayout(context_->device, setLayout_, nullptr);
}

void BinaryOcclusionPass::Record(VkCommandBuffer commands, DescriptorSetCache& sets,
                                 const GpuBuffer& buffer, uint64_t offset, uint32_t count) {
    // The set starts at an offset storage buffers may start at; the shader
    // skips the results before `offset`.
    VkDeviceSize alignment = context_->properties.limits.minStorageBufferOffsetAlignment;
    VkDeviceSize start = alignment > 0 ? offset - offset % alignment : offset;
    Range range{uint32_t((offset - start) / sizeof(uint64_t)), count};
    SetContent& content = sets.Scratch();
    content.key = {buffer.id, start, offset + uint64_t(count) * sizeof(uint64_t) - start};
    content.AddBuffer(0, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, {buffer.buffer, start, content.key[2]});
    VkDescriptorSet set = sets.Get(setLayout_, layoutId_, content);

    VkMemoryBarrier2 copied{};
    copied.sType = VK_STRUCTURE_TYPE_MEMORY_BARRIER_2;
    copied.srcStageMask = VK_PIPELINE_STAGE_2_COPY_BIT;
    copied.srcAccessMask = VK_ACCESS_2_TRANSFER_WRITE_BIT;
    copied.dstStageMask = VK_PIPELINE_STAGE_2_COMPUTE_SHADER_BIT;
    copied.dstAccessMask =
        VK_ACCESS_2_SHADER_STORAGE_READ_BIT | VK_ACCESS_2_SHADER_STORAGE_WRITE_BIT;
    VkDependencyInfo dependency{};
    dependency.sType = VK_STRUCTURE_TYPE_DEPENDENCY_INFO;
    dependency.memoryBarrierCount = 1;
    dependency.pMemoryBarriers = &copied;
    vkCmdPipelineBarrier2(commands, &dependency);

    vkCmdBindPipeline(commands, VK_PIPELINE_BIND_POINT_COMPUTE, pipeline_);
    vkCmdBindDescriptorSets(commands, VK_PIPELINE_BIND_POINT_COMPUTE, pipelineLayout_, 0, 1, &set,
                            0, nullptr);
    vkCmdPushConstants(commands, pipelineLayout_, VK_SHADER_STAGE_COMPUTE_BIT, 0, sizeof(range),
                       &range);
    vkCmdDispatch(commands, (count + kGroupSize - 1) / kGroupSize, 1, 1);

    // Later copies and host reads find the rewritten values, as after a copy.
    copied.srcStageMask = VK_PIPELINE_STAGE_2_COMPUTE_SHADER_BIT;
    copied.srcAccessMask = VK_ACCESS_2_SHADER_STORAGE_WRITE_BIT;
    copied.dstStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT | VK_PIPELINE_STAGE_2_HOST_BIT;
    copied.dstAccessMask =
        VK_ACCESS_2_MEMORY_READ_BIT | VK_ACCESS_2_MEMORY_WRITE_BIT | VK_ACCESS_2_HOST_READ_BIT;
    vkCmdPipelineBarrier2(commands, &dependency);
}

} // namespace d3d12_standin
