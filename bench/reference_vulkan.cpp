// A plain-Vulkan rendering of the demo frame, as a yardstick for the stand-in:
// the same 4096 instances of two cube meshes, the same constant-buffer layout,
// and the same 33 submissions per frame (one clear, 32 batches of 128 instances,
// each drawing both meshes), each followed by a full wait. Off-screen, headless.
// --scale N draws N times the instances in N times the batches.
#include "bench_options.h"
#include "program_start.h"
#include "demo_scene_data.h"
#include "frame_stats.h"
#include "reference_gpu.h"
#include "reference_pipeline.h"
#include "reference_shaders.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace bench {
namespace {

constexpr uint32_t kWidth = 1280, kHeight = 720;
constexpr VkFormat kColorFormat = VK_FORMAT_R8G8B8A8_UNORM;
constexpr VkFormat kDepthFormat = VK_FORMAT_D32_SFLOAT;
// Between submissions the colour targets rest in the layout a swap-chain buffer
// waits in for its present copy, as the demo's back buffers do.
constexpr VkImageLayout kRestingLayout = VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL;

struct Scene {
    Gpu gpu;
    Pipeline pipeline;
    Image color[2];
    Image depth;
    HostBuffer uniform;
    HostBuffer meshes[2]; // "cube" and "rect": the same geometry, drawn separately
    uint32_t vertexCount = 0;
    VkDescriptorPool descriptorPool = VK_NULL_HANDLE;
    VkDescriptorSet uniformSet = VK_NULL_HANDLE;
    VkCommandPool commandPool = VK_NULL_HANDLE;
    VkCommandBuffer commands = VK_NULL_HANDLE;
    VkFence fence = VK_NULL_HANDLE;
};

void ImageBarrier(VkCommandBuffer commands, VkImage image, VkImageAspectFlags aspect,
                  VkImageLayout from, VkImageLayout to, VkPipelineStageFlags2 stages,
                  VkAccessFlags2 access) {
    auto barrier = Described<VkImageMemoryBarrier2>(VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER_2);
    barrier.srcStageMask = stages | VK_PIPELINE_STAGE_2_TRANSFER_BIT;
    barrier.srcAccessMask = access;
    barrier.dstStageMask = stages | VK_PIPELINE_STAGE_2_TRANSFER_BIT;
    barrier.dstAccessMask = access | VK_ACCESS_2_TRANSFER_READ_BIT;
    barrier.oldLayout = from;
    barrier.newLayout = to;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image;
    barrier.subresourceRange = {aspect, 0, 1, 0, 1};
    auto dependency = Described<VkDependencyInfo>(VK_STRUCTURE_TYPE_DEPENDENCY_INFO);
    dependency.imageMemoryBarrierCount = 1;
    dependency.pImageMemoryBarriers = &barrier;
    vkCmdPipelineBarrier2(commands, &dependency);
}

// One submission: re-record the command buffer, submit, wait for it to finish.
void Submit(Scene& scene, const std::function<void(VkCommandBuffer)>& record) {
    REFERENCE_CHECK(vkResetCommandPool(scene.gpu.device, scene.commandPool, 0));
    auto begin = Described<VkCommandBufferBeginInfo>(VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO);
    begin.flags = VK_COMMAND_BUFFER_USAGE_ONE_TIME_SUBMIT_BIT;
    REFERENCE_CHECK(vkBeginCommandBuffer(scene.commands, &begin));
    record(scene.commands);
    REFERENCE_CHECK(vkEndCommandBuffer(scene.commands));
    auto submit = Described<VkSubmitInfo>(VK_STRUCTURE_TYPE_SUBMIT_INFO);
    submit.commandBufferCount = 1;
    submit.pCommandBuffers = &scene.commands;
    REFERENCE_CHECK(vkQueueSubmit(scene.gpu.queue, 1, &submit, scene.fence));
    REFERENCE_CHECK(vkWaitForFences(scene.gpu.device, 1, &scene.fence, VK_TRUE, UINT64_MAX));
    REFERENCE_CHECK(vkResetFences(scene.gpu.device, 1, &scene.fence));
}

const VkPipelineStageFlags2 kColorStage = VK_PIPELINE_STAGE_2_COLOR_ATTACHMENT_OUTPUT_BIT;
const VkAccessFlags2 kColorAccess =
    VK_ACCESS_2_COLOR_ATTACHMENT_READ_BIT | VK_ACCESS_2_COLOR_ATTACHMENT_WRITE_BIT;
const VkPipelineStageFlags2 kDepthStage =
    VK_PIPELINE_STAGE_2_EARLY_FRAGMENT_TESTS_BIT | VK_PIPELINE_STAGE_2_LATE_FRAGMENT_TESTS_BIT;
const VkAccessFlags2 kDepthAccess =
    VK_ACCESS_2_DEPTH_STENCIL_ATTACHMENT_READ_BIT | VK_ACCESS_2_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;

void BeginTargets(Scene& scene, VkCommandBuffer commands, int target, bool clear) {
    ImageBarrier(commands, scene.color[target].image, VK_IMAGE_ASPECT_COLOR_BIT, kRestingLayout,
                 VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL, kColorStage, kColorAccess);
    ImageBarrier(commands, scene.depth.image, VK_IMAGE_ASPECT_DEPTH_BIT,
                 VK_IMAGE_LAYOUT_DEPTH_ATTACHMENT_OPTIMAL, VK_IMAGE_LAYOUT_DEPTH_ATTACHMENT_OPTIMAL,
                 kDepthStage, kDepthAccess);
    auto color = Described<VkRenderingAttachmentInfo>(VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO);
    color.imageView = scene.color[target].view;
    color.imageLayout = VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL;
    color.loadOp = clear ? VK_ATTACHMENT_LOAD_OP_CLEAR : VK_ATTACHMENT_LOAD_OP_LOAD;
    color.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
    color.clearValue.color = {{0.0f, 1.0f, 1.0f, 0.0f}};
    auto depth = Described<VkRenderingAttachmentInfo>(VK_STRUCTURE_TYPE_RENDERING_ATTACHMENT_INFO);
    depth.imageView = scene.depth.view;
    depth.imageLayout = VK_IMAGE_LAYOUT_DEPTH_ATTACHMENT_OPTIMAL;
    depth.loadOp = clear ? VK_ATTACHMENT_LOAD_OP_CLEAR : VK_ATTACHMENT_LOAD_OP_LOAD;
    depth.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
    depth.clearValue.depthStencil = {1.0f, 0};
    auto rendering = Described<VkRenderingInfo>(VK_STRUCTURE_TYPE_RENDERING_INFO);
    rendering.renderArea = {{0, 0}, {kWidth, kHeight}};
    rendering.layerCount = 1;
    rendering.colorAttachmentCount = 1;
    rendering.pColorAttachments = &color;
    rendering.pDepthAttachment = &depth;
    vkCmdBeginRendering(commands, &rendering);
}

void EndTargets(Scene& scene, VkCommandBuffer commands, int target) {
    vkCmdEndRendering(commands);
    ImageBarrier(commands, scene.color[target].image, VK_IMAGE_ASPECT_COLOR_BIT,
                 VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL, kRestingLayout, kColorStage,
                 kColorAccess);
}

void DrawBatch(Scene& scene, VkCommandBuffer commands, uint32_t instances) {
    // Flipped viewport: Direct3D's y-down window coordinates.
    VkViewport viewport{0.0f, float(kHeight), float(kWidth), -float(kHeight), 0.0f, 1.0f};
    VkRect2D scissor{{0, 0}, {kWidth, kHeight}};
    for (const HostBuffer& mesh : scene.meshes) {
        vkCmdBindPipeline(commands, VK_PIPELINE_BIND_POINT_GRAPHICS, scene.pipeline.pipeline);
        vkCmdBindDescriptorSets(commands, VK_PIPELINE_BIND_POINT_GRAPHICS, scene.pipeline.layout, 0,
                                1, &scene.uniformSet, 0, nullptr);
        vkCmdSetViewport(commands, 0, 1, &viewport);
        vkCmdSetScissor(commands, 0, 1, &scissor);
        VkDeviceSize offset = 0;
        vkCmdBindVertexBuffers(commands, 0, 1, &mesh.buffer, &offset);
        vkCmdDraw(commands, scene.vertexCount, instances, 0, 0);
    }
}

void WriteFrameConstants(Scene& scene, float* angle) {
    float frame[kFrameConstantsSize / sizeof(float)] = {};
    for (int i = 0; i < 4; ++i) {
        frame[i * 5] = 1.0f; // identity at offset 0
    }
    CameraMatrices(angle, &frame[16], &frame[32]);
    frame[64] = float(kWidth);
    frame[65] = float(kHeight);
    frame[66] = float(kWidth) / float(kHeight);
    std::memcpy(scene.uniform.mapped, frame, sizeof(frame));
}

void DrawFrame(Scene& scene, const std::vector<InstanceSlot>& instances, int target, float* angle) {
    WriteFrameConstants(scene, angle);
    Submit(scene, [&](VkCommandBuffer commands) {
        BeginTargets(scene, commands, target, true);
        EndTargets(scene, commands, target);
    });
    auto* slots = static_cast<uint8_t*>(scene.uniform.mapped) + kFrameConstantsSize;
    for (size_t next = 0; next < instances.size();) {
        size_t batch = std::min(instances.size() - next, size_t(kInstancesPerBatch));
        std::memcpy(slots, &instances[next], batch * sizeof(InstanceSlot));
        next += batch;
        Submit(scene, [&](VkCommandBuffer commands) {
            BeginTargets(scene, commands, target, false);
            DrawBatch(scene, commands, uint32_t(batch));
            EndTargets(scene, commands, target);
        });
    }
}

void CreateScene(Scene& scene, const ReferenceShaders& shaders) {
    Gpu& gpu = scene.gpu;
    scene.pipeline = CreatePipeline(gpu, shaders, kColorFormat, kDepthFormat);
    for (Image& color : scene.color) {
        color = CreateImage(gpu, kWidth, kHeight, kColorFormat,
                            VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT | VK_IMAGE_USAGE_TRANSFER_SRC_BIT,
                            VK_IMAGE_ASPECT_COLOR_BIT);
    }
    scene.depth =
        CreateImage(gpu, kWidth, kHeight, kDepthFormat, VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT,
                    VK_IMAGE_ASPECT_DEPTH_BIT);
    scene.uniform = CreateHostBuffer(gpu, kUniformSize, VK_BUFFER_USAGE_UNIFORM_BUFFER_BIT);
    std::vector<CubeVertex> cube = BuildCube();
    scene.vertexCount = uint32_t(cube.size());
    for (HostBuffer& mesh : scene.meshes) {
        mesh = CreateHostBuffer(gpu, cube.size() * sizeof(CubeVertex),
                                VK_BUFFER_USAGE_VERTEX_BUFFER_BIT);
        std::memcpy(mesh.mapped, cube.data(), cube.size() * sizeof(CubeVertex));
    }

    VkDescriptorPoolSize poolSize{VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, 1};
    auto poolInfo =
        Described<VkDescriptorPoolCreateInfo>(VK_STRUCTURE_TYPE_DESCRIPTOR_POOL_CREATE_INFO);
    poolInfo.maxSets = 1;
    poolInfo.poolSizeCount = 1;
    poolInfo.pPoolSizes = &poolSize;
    REFERENCE_CHECK(vkCreateDescriptorPool(gpu.device, &poolInfo, nullptr, &scene.descriptorPool));
    auto setInfo =
        Described<VkDescriptorSetAllocateInfo>(VK_STRUCTURE_TYPE_DESCRIPTOR_SET_ALLOCATE_INFO);
    setInfo.descriptorPool = scene.descriptorPool;
    setInfo.descriptorSetCount = 1;
    setInfo.pSetLayouts = &scene.pipeline.setLayout;
    REFERENCE_CHECK(vkAllocateDescriptorSets(gpu.device, &setInfo, &scene.uniformSet));
    VkDescriptorBufferInfo bufferInfo{scene.uniform.buffer, 0, kUniformSize};
    auto write = Described<VkWriteDescriptorSet>(VK_STRUCTURE_TYPE_WRITE_DESCRIPTOR_SET);
    write.dstSet = scene.uniformSet;
    write.descriptorCount = 1;
    write.descriptorType = VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER;
    write.pBufferInfo = &bufferInfo;
    vkUpdateDescriptorSets(gpu.device, 1, &write, 0, nullptr);

    auto commandPoolInfo =
        Described<VkCommandPoolCreateInfo>(VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO);
    commandPoolInfo.queueFamilyIndex = gpu.queueFamily;
    REFERENCE_CHECK(vkCreateCommandPool(gpu.device, &commandPoolInfo, nullptr, &scene.commandPool));
    auto commandInfo =
        Described<VkCommandBufferAllocateInfo>(VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO);
    commandInfo.commandPool = scene.commandPool;
    commandInfo.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
    commandInfo.commandBufferCount = 1;
    REFERENCE_CHECK(vkAllocateCommandBuffers(gpu.device, &commandInfo, &scene.commands));
    auto fenceInfo = Described<VkFenceCreateInfo>(VK_STRUCTURE_TYPE_FENCE_CREATE_INFO);
    REFERENCE_CHECK(vkCreateFence(gpu.device, &fenceInfo, nullptr, &scene.fence));

    // Put every target into its resting layout once.
    Submit(scene, [&](VkCommandBuffer commands) {
        for (Image& color : scene.color) {
            ImageBarrier(commands, color.image, VK_IMAGE_ASPECT_COLOR_BIT,
                         VK_IMAGE_LAYOUT_UNDEFINED, kRestingLayout, kColorStage, kColorAccess);
        }
        ImageBarrier(commands, scene.depth.image, VK_IMAGE_ASPECT_DEPTH_BIT,
                     VK_IMAGE_LAYOUT_UNDEFINED, VK_IMAGE_LAYOUT_DEPTH_ATTACHMENT_OPTIMAL,
                     kDepthStage, kDepthAccess);
    });
}

void DestroyScene(Scene& scene) {
    const Gpu& gpu = scene.gpu;
    vkDeviceWaitIdle(gpu.device);
    vkDestroyFence(gpu.device, scene.fence, nullptr);
    vkDestroyCommandPool(gpu.device, scene.commandPool, nullptr);
    vkDestroyDescriptorPool(gpu.device, scene.descriptorPool, nullptr);
    for (HostBuffer& mesh : scene.meshes) {
        DestroyHostBuffer(gpu, &mesh);
    }
    DestroyHostBuffer(gpu, &scene.uniform);
    DestroyImage(gpu, &scene.depth);
    for (Image& color : scene.color) {
        DestroyImage(gpu, &color);
    }
    DestroyPipeline(gpu, &scene.pipeline);
}

bool WritePpm(Scene& scene, int target, const std::string& path) {
    HostBuffer readback =
        CreateHostBuffer(scene.gpu, kWidth * kHeight * 4, VK_BUFFER_USAGE_TRANSFER_DST_BIT);
    Submit(scene, [&](VkCommandBuffer commands) {
        VkBufferImageCopy region{};
        region.imageSubresource = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 0, 1};
        region.imageExtent = {kWidth, kHeight, 1};
        vkCmdCopyImageToBuffer(commands, scene.color[target].image, kRestingLayout, readback.buffer,
                               1, &region);
    });
    FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr;
    if (written) {
        std::fprintf(file, "P6\n%u %u\n255\n", kWidth, kHeight);
        const auto* pixels = static_cast<const uint8_t*>(readback.mapped);
        for (uint32_t i = 0; i < kWidth * kHeight && written; ++i) {
            written = std::fwrite(pixels + i * 4, 1, 3, file) == 3;
        }
        written = std::fclose(file) == 0 && written;
    }
    DestroyHostBuffer(scene.gpu, &readback);
    return written;
}

int Run(const Options& options) {
    ReferenceShaders shaders;
    std::string error;
    if (!CompileReferenceShaders(&shaders, &error)) {
        std::fprintf(stderr, "reference: shader compilation failed:\n%s\n", error.c_str());
        return 1;
    }
    Scene scene;
    if (!CreateGpu(&scene.gpu, &error)) {
        std::fprintf(stderr, "reference: %s\n", error.c_str());
        DestroyGpu(&scene.gpu);
        return 1;
    }
    std::printf("reference: device %s\n", scene.gpu.properties.deviceName);
    CreateScene(scene, shaders);
    const std::vector<InstanceSlot> instances = BuildInstances(options.scale);

    float angle = 0.0f;
    std::vector<double> frameMs;
    int frame = 0;
    for (; frame < options.warmup + options.frames; ++frame) {
        uint64_t start = NowNanoseconds();
        DrawFrame(scene, instances, frame & 1, &angle);
        if (frame >= options.warmup) {
            frameMs.push_back(double(NowNanoseconds() - start) / 1e6);
        }
    }
    Summary summary = Summarize(frameMs);
    std::printf("reference: %d frames after %d warm-up, %zu instances in %d submissions each, "
                "1280x720 RGBA8 + D32\n",
                options.frames, options.warmup, instances.size(),
                SubmissionsPerFrame(instances.size()));
    std::printf("reference: frame time median %.3f ms, p95 %.3f ms, mean %.3f ms (%.2f fps)\n",
                summary.median, summary.p95, summary.mean, 1000.0 / summary.mean);

    int status = 0;
    if (!options.ppmPath.empty() && !WritePpm(scene, (frame - 1) & 1, options.ppmPath)) {
        std::fprintf(stderr, "reference: could not write \"%s\"\n", options.ppmPath.c_str());
        status = 1;
    }
    DestroyScene(scene);
    DestroyGpu(&scene.gpu);
    return status;
}

} // namespace
} // namespace bench

int main(int argc, char** argv) {
    bench::Options options;
    if (!bench::ReadOptions("reference_vulkan", argc, argv, &options)) {
        return 2;
    }
    return bench::Run(options);
}
