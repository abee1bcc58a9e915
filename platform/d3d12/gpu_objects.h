// The Vulkan objects behind Direct3D 12 resources and fences. They are shared:
// a COM object holds one reference and every submission that uses an object
// holds another until the GPU has finished with it, so nothing is destroyed
// while the GPU may still read it.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include "resource_state_rules.h"

#include <vulkan_context.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace d3d12_standin {

// Ids never repeat, unlike Vulkan handles: caches key on them.
uint64_t NextObjectId();

struct GpuBuffer {
    GpuBuffer(std::shared_ptr<vk_core::VulkanContext> context) : context(std::move(context)) {}
    ~GpuBuffer();
    GpuBuffer(const GpuBuffer&) = delete;
    GpuBuffer& operator=(const GpuBuffer&) = delete;

    std::shared_ptr<vk_core::VulkanContext> context;
    uint64_t id = NextObjectId();
    VkBuffer buffer = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
    VkDeviceSize size = 0;
    void* mapped = nullptr; // persistently mapped when host-visible
    D3D12_GPU_VIRTUAL_ADDRESS address = 0;

    // A texel-buffer view of this buffer, created on first use and kept with it.
    VkBufferView View(VkFormat format, VkDeviceSize offset, VkDeviceSize range);

private:
    std::mutex viewsMutex_;
    std::map<std::tuple<VkFormat, VkDeviceSize, VkDeviceSize>, VkBufferView> views_;
};

struct ImageViewKey {
    VkFormat format;
    VkImageAspectFlags aspect;
    uint32_t baseMip;
    uint32_t mipCount;
    // A 2-D array view of `layerCount` layers from `baseLayer`; with 0
    // layers, a 2-D view of the first layer.
    uint32_t baseLayer = 0;
    uint32_t layerCount = 0;
    bool operator<(const ImageViewKey& other) const {
        return std::tie(format, aspect, baseMip, mipCount, baseLayer, layerCount) <
               std::tie(other.format, other.aspect, other.baseMip, other.mipCount, other.baseLayer,
                        other.layerCount);
    }
};

struct GpuImage {
    GpuImage(std::shared_ptr<vk_core::VulkanContext> context) : context(std::move(context)) {}
    ~GpuImage();
    GpuImage(const GpuImage&) = delete;
    GpuImage& operator=(const GpuImage&) = delete;

    // A view of this image, created on first use and kept with the image.
    VkImageView View(const ImageViewKey& key);

    std::shared_ptr<vk_core::VulkanContext> context;
    uint64_t id = NextObjectId();
    VkImage image = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
    VkFormat format = VK_FORMAT_UNDEFINED;
    DXGI_FORMAT dxgiFormat = DXGI_FORMAT_UNKNOWN;
    VkImageAspectFlags aspect = 0;
    uint32_t bytesPerTexel = 4;
    uint32_t width = 0, height = 0, mipLevels = 1, arrayLayers = 1;
    Promotion promotion = Promotion::ShaderReadOrCopy;

    // Both follow the work in the order it was executed on the queues.
    VkImageLayout layout = VK_IMAGE_LAYOUT_UNDEFINED;
    D3D12_RESOURCE_STATES state = D3D12_RESOURCE_STATE_COMMON;

private:
    std::mutex viewsMutex_;
    std::map<ImageViewKey, VkImageView> views_;
};

struct TimelineSemaphore {
    TimelineSemaphore(std::shared_ptr<vk_core::VulkanContext> context, uint64_t initialValue);
    ~TimelineSemaphore();
    TimelineSemaphore(const TimelineSemaphore&) = delete;
    TimelineSemaphore& operator=(const TimelineSemaphore&) = delete;

    // The value as Direct3D 12 reports it: UINT64_MAX once the device is
    // removed, as Windows signals every fence of a removed device to it.
    uint64_t Value() const;
    // The value the driver has reached, removed or not.
    uint64_t DriverValue() const;

    std::shared_ptr<vk_core::VulkanContext> context;
    VkSemaphore semaphore = VK_NULL_HANDLE;
};

} // namespace d3d12_standin
