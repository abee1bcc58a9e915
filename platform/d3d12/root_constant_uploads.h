// Host-visible memory for the values a list's root constants hold at each
// draw: Vulkan reads them from a uniform buffer, as the shader's cbuffer.
#pragma once

#include "gpu_objects.h"

#include <memory>

namespace d3d12_standin {

class ConstantUploads {
public:
    explicit ConstantUploads(std::shared_ptr<vk_core::VulkanContext> context)
        : context_(std::move(context)) {}

    // Copies `size` bytes (at most kChunkSize) to a fresh place, aligned as
    // uniform buffers need; false when no memory could be had. The buffer
    // must be kept alive until the GPU has read it.
    bool Write(const void* data, size_t size, std::shared_ptr<GpuBuffer>* buffer, uint64_t* offset);

    static constexpr uint64_t kChunkSize = 65536;

private:
    bool NewChunk();

    std::shared_ptr<vk_core::VulkanContext> context_;
    std::shared_ptr<GpuBuffer> chunk_;
    uint64_t used_ = 0;
};

} // namespace d3d12_standin
