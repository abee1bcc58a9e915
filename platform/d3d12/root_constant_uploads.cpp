#include "root_constant_uploads.h"

#include <vulkan_check.h>

#include <cstring>

namespace d3d12_standin {

bool ConstantUploads::NewChunk() {
    const VkMemoryPropertyFlags host =
        VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT;
    std::shared_ptr<GpuBuffer> chunk =
        MakeOwnBuffer(context_, kChunkSize, VK_BUFFER_USAGE_UNIFORM_BUFFER_BIT, host, 0);
    if (chunk == nullptr || !VK_CHECK(vkMapMemory(context_->device, chunk->memory, 0, VK_WHOLE_SIZE,
                                                  0, &chunk->mapped))) {
        return false;
    }
    chunk_ = std::move(chunk);
    used_ = 0;
    return true;
}

bool ConstantUploads::Write(const void* data, size_t size, std::shared_ptr<GpuBuffer>* buffer,
                            uint64_t* offset) {
    const uint64_t alignment = context_->properties.limits.minUniformBufferOffsetAlignment;
    uint64_t start = (used_ + alignment - 1) / alignment * alignment;
    if (size > kChunkSize) {
        return false;
    }
    if (chunk_ == nullptr || start + size > kChunkSize) {
        if (!NewChunk()) {
            return false;
        }
        start = 0;
    }
    std::memcpy(static_cast<uint8_t*>(chunk_->mapped) + start, data, size);
    used_ = start + size;
    *buffer = chunk_;
    *offset = start;
    return true;
}

} // namespace d3d12_standin
