#include "root_constant_uploads.h"

#include <memory_types.h>
#include <vulkan_check.h>

#include <cstring>

namespace d3d12_standin {

bool ConstantUploads::NewChunk() {
    auto chunk = std::make_shared<GpuBuffer>(context_);
    chunk->size = kChunkSize;
    VkBufferCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_BUFFER_CREATE_INFO;
    info.size = kChunkSize;
    info.usage = VK_BUFFER_USAGE_UNIFORM_BUFFER_BIT;
    info.sharingMode = VK_SHARING_MODE_EXCLUSIVE;
    VkDevice device = context_->device;
    if (!VK_CHECK(vkCreateBuffer(device, &info, nullptr, &chunk->buffer))) {
        return false;
    }
    VkMemoryRequirements requirements;
    vkGetBufferMemoryRequirements(device, chunk->buffer, &requirements);
    VkMemoryAllocateInfo allocate{};
    allocate.sType = VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO;
    allocate.allocationSize = requirements.size;
    const VkMemoryPropertyFlags host =
        VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT;
    if (!vk_core::FindMemoryType(context_->memoryProperties, requirements.memoryTypeBits, host, 0,
                                 &allocate.memoryTypeIndex) ||
        !VK_CHECK(vkAllocateMemory(device, &allocate, nullptr, &chunk->memory)) ||
        !VK_CHECK(vkBindBufferMemory(device, chunk->buffer, chunk->memory, 0)) ||
        !VK_CHECK(vkMapMemory(device, chunk->memory, 0, VK_WHOLE_SIZE, 0, &chunk->mapped))) {
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
