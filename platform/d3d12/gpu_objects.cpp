#include "gpu_objects.h"

#include <memory_types.h>
#include <vulkan_check.h>

#include <utility>

namespace d3d12_standin {

uint64_t NextObjectId() {
    static std::atomic<uint64_t> next{1};
    return next++;
}

std::shared_ptr<GpuBuffer> MakeOwnBuffer(const std::shared_ptr<vk_core::VulkanContext>& context,
                                         VkDeviceSize size, VkBufferUsageFlags usage,
                                         VkMemoryPropertyFlags required,
                                         VkMemoryPropertyFlags preferred) {
    auto made = std::make_shared<GpuBuffer>(context);
    made->size = size;
    VkBufferCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_BUFFER_CREATE_INFO;
    info.size = size;
    info.usage = usage;
    info.sharingMode = VK_SHARING_MODE_EXCLUSIVE;
    VkDevice device = context->device;
    if (!VK_CHECK(vkCreateBuffer(device, &info, nullptr, &made->buffer))) {
        return nullptr;
    }
    VkMemoryRequirements requirements;
    vkGetBufferMemoryRequirements(device, made->buffer, &requirements);
    VkMemoryAllocateInfo allocate{};
    allocate.sType = VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO;
    allocate.allocationSize = requirements.size;
    if (!vk_core::FindMemoryType(context->memoryProperties, requirements.memoryTypeBits, required,
                                 preferred, &allocate.memoryTypeIndex) ||
        !VK_CHECK(vkAllocateMemory(device, &allocate, nullptr, &made->memory)) ||
        !VK_CHECK(vkBindBufferMemory(device, made->buffer, made->memory, 0))) {
        return nullptr;
    }
    return made;
}

// On a lost device the driver's queue thread may still run work that uses
// these objects, holding the lock that its destroy calls take: they are left
// to the end of the process.
GpuBuffer::~GpuBuffer() {
    if (context->lost) {
        return;
    }
    VkDevice device = context->device;
    for (auto& [key, view] : views_) {
        vkDestroyBufferView(device, view, nullptr);
    }
    if (mapped != nullptr) {
        vkUnmapMemory(device, memory);
    }
    vkDestroyBuffer(device, buffer, nullptr);
    vkFreeMemory(device, memory, nullptr);
}

VkBufferView GpuBuffer::View(VkFormat format, VkDeviceSize offset, VkDeviceSize range) {
    std::lock_guard lock(viewsMutex_);
    auto key = std::make_tuple(format, offset, range);
    auto found = views_.find(key);
    if (found != views_.end()) {
        return found->second;
    }
    VkBufferViewCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_BUFFER_VIEW_CREATE_INFO;
    info.buffer = buffer;
    info.format = format;
    info.offset = offset;
    info.range = range;
    VkBufferView view = VK_NULL_HANDLE;
    if (!VK_CHECK(vkCreateBufferView(context->device, &info, nullptr, &view))) {
        return VK_NULL_HANDLE;
    }
    views_.emplace(key, view);
    return view;
}

GpuImage::~GpuImage() {
    if (context->lost) {
        return;
    }
    VkDevice device = context->device;
    for (auto& [key, view] : views_) {
        vkDestroyImageView(device, view, nullptr);
    }
    vkDestroyImage(device, image, nullptr);
    vkFreeMemory(device, memory, nullptr);
}

namespace {

VkComponentMapping ComponentsOf(FormatSwizzle swizzle) {
    constexpr VkComponentSwizzle kSame = VK_COMPONENT_SWIZZLE_IDENTITY;
    constexpr VkComponentSwizzle kZero = VK_COMPONENT_SWIZZLE_ZERO;
    constexpr VkComponentSwizzle kOne = VK_COMPONENT_SWIZZLE_ONE;
    constexpr VkComponentSwizzle kRed = VK_COMPONENT_SWIZZLE_R;
    switch (swizzle) {
    case FormatSwizzle::OpaqueAlpha:
        return {kSame, kSame, kSame, kOne};
    case FormatSwizzle::AlphaOnly:
        return {kZero, kZero, kZero, kRed};
    case FormatSwizzle::Stencil:
        return {kZero, kRed, kZero, kOne};
    case FormatSwizzle::Identity:
        break;
    }
    return {kSame, kSame, kSame, kSame};
}

// The image's usage less what a view in another format of its family cannot
// do (Vulkan checks a view's usage against its own format).
VkImageUsageFlags UsageOfViewFormat(VkPhysicalDevice device, VkFormat format,
                                    VkImageUsageFlags usage) {
    VkFormatProperties properties{};
    vkGetPhysicalDeviceFormatProperties(device, format, &properties);
    const VkFormatFeatureFlags features = properties.optimalTilingFeatures;
    constexpr std::pair<VkImageUsageFlagBits, VkFormatFeatureFlagBits> kNeeds[] = {
        {VK_IMAGE_USAGE_SAMPLED_BIT, VK_FORMAT_FEATURE_SAMPLED_IMAGE_BIT},
        {VK_IMAGE_USAGE_STORAGE_BIT, VK_FORMAT_FEATURE_STORAGE_IMAGE_BIT},
        {VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT, VK_FORMAT_FEATURE_COLOR_ATTACHMENT_BIT},
        {VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT,
         VK_FORMAT_FEATURE_DEPTH_STENCIL_ATTACHMENT_BIT},
    };
    for (const auto& [use, feature] : kNeeds) {
        if ((features & feature) == 0) {
            usage &= ~VkImageUsageFlags(use);
        }
    }
    return usage;
}

} // namespace

VkImageView GpuImage::View(const ImageViewKey& key) {
    std::lock_guard lock(viewsMutex_);
    auto found = views_.find(key);
    if (found != views_.end()) {
        return found->second;
    }
    VkImageViewCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_IMAGE_VIEW_CREATE_INFO;
    info.image = image;
    info.viewType = key.type;
    info.format = key.format;
    info.subresourceRange = {key.aspect, key.baseMip, key.mipCount, key.baseLayer, key.layerCount};
    if (type == VK_IMAGE_TYPE_3D && key.type != VK_IMAGE_VIEW_TYPE_3D) {
        info.subresourceRange.baseArrayLayer = key.depthSlice;
        info.subresourceRange.layerCount = key.depthSliceCount;
    }
    info.components = ComponentsOf(key.swizzle);
    VkImageViewUsageCreateInfo usage{VK_STRUCTURE_TYPE_IMAGE_VIEW_USAGE_CREATE_INFO, nullptr, 0};
    if (mutableFormat && key.format != format) {
        usage.usage = UsageOfViewFormat(context->physicalDevice, key.format, this->usage);
        info.pNext = &usage;
    }
    VkImageView view = VK_NULL_HANDLE;
    if (!VK_CHECK(vkCreateImageView(context->device, &info, nullptr, &view))) {
        return VK_NULL_HANDLE;
    }
    views_.emplace(key, view);
    return view;
}

TimelineSemaphore::TimelineSemaphore(std::shared_ptr<vk_core::VulkanContext> owner,
                                     uint64_t initialValue)
    : context(std::move(owner)) {
    VkSemaphoreTypeCreateInfo type{};
    type.sType = VK_STRUCTURE_TYPE_SEMAPHORE_TYPE_CREATE_INFO;
    type.semaphoreType = VK_SEMAPHORE_TYPE_TIMELINE;
    type.initialValue = initialValue;
    VkSemaphoreCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    info.pNext = &type;
    VK_CHECK(vkCreateSemaphore(context->device, &info, nullptr, &semaphore));
}

TimelineSemaphore::~TimelineSemaphore() {
    if (context->lost) {
        return;
    }
    vkDestroySemaphore(context->device, semaphore, nullptr);
}

uint64_t TimelineSemaphore::Value() const {
    return context->lost ? UINT64_MAX : DriverValue();
}

uint64_t TimelineSemaphore::DriverValue() const {
    uint64_t value = 0;
    if (semaphore != VK_NULL_HANDLE) {
        vkGetSemaphoreCounterValue(context->device, semaphore, &value);
    }
    NoteReached(value);
    return value;
}

bool TimelineSemaphore::DriverReached(uint64_t value) const {
    return seen_.load(std::memory_order_relaxed) >= value || DriverValue() >= value;
}

void TimelineSemaphore::NoteReached(uint64_t value) const {
    uint64_t seen = seen_.load(std::memory_order_relaxed);
    while (seen < value && !seen_.compare_exchange_weak(seen, value, std::memory_order_relaxed)) {
    }
}

} // namespace d3d12_standin
