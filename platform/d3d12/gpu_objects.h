// The Vulkan objects behind Direct3D 12 resources and fences. They are shared:
// a COM object holds one reference and every submission that uses an object
// holds another until the GPU has finished with it, so nothing is destroyed
// while the GPU may still read it.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include "format_table.h"
#include "resource_states.h"

#include <vulkan_context.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <vector>

namespace d3d12_standin {

struct ResourceTrack;

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
    // The resource as the validation layer knows it, for buffers bound by
    // address; empty for the stand-in's own buffers.
    std::weak_ptr<ResourceTrack> track;

    // A texel-buffer view of this buffer, created on first use and kept with it.
    VkBufferView View(VkFormat format, VkDeviceSize offset, VkDeviceSize range);

private:
    std::mutex viewsMutex_;
    std::map<std::tuple<VkFormat, VkDeviceSize, VkDeviceSize>, VkBufferView> views_;
};

// One of the stand-in's own buffers, in memory of the `required` properties
// (those of `preferred` where a type has them); null where Vulkan refuses it.
std::shared_ptr<GpuBuffer> MakeOwnBuffer(const std::shared_ptr<vk_core::VulkanContext>& context,
                                         VkDeviceSize size, VkBufferUsageFlags usage,
                                         VkMemoryPropertyFlags required,
                                         VkMemoryPropertyFlags preferred);

struct ImageViewKey {
    VkFormat format;
    VkImageAspectFlags aspect;
    uint32_t baseMip;
    uint32_t mipCount;
    uint32_t baseLayer = 0;
    uint32_t layerCount = 1;
    VkImageViewType type = VK_IMAGE_VIEW_TYPE_2D;
    // The depth slices a 2-D (array) view of a 3-D image shows; its
    // subresource is still the whole mip.
    uint32_t depthSlice = 0;
    uint32_t depthSliceCount = 1;
    FormatSwizzle swizzle = FormatSwizzle::Identity;
    // The layers a render pass draws into through this view.
    uint32_t DrawnLayers() const { return layerCount * depthSliceCount; }
    bool operator<(const ImageViewKey& other) const {
        return std::tie(format, aspect, baseMip, mipCount, baseLayer, layerCount, type, depthSlice,
                        depthSliceCount, swizzle) <
               std::tie(other.format, other.aspect, other.baseMip, other.mipCount, other.baseLayer,
                        other.layerCount, other.type, other.depthSlice, other.depthSliceCount,
                        other.swizzle);
    }
};

// Mip levels of array layers, as views and barriers name them.
struct SubresourceRange {
    uint32_t baseMip = 0, mipCount = 1, baseLayer = 0, layerCount = 1;
};

inline SubresourceRange RangeOf(const ImageViewKey& view) {
    return {view.baseMip, view.mipCount, view.baseLayer, view.layerCount};
}

// One mip level of one array layer as Vulkan sees it, in the order work
// executes on the queues. Both planes of a depth-stencil texture share it.
struct SubresourceState {
    VkImageLayout layout = VK_IMAGE_LAYOUT_UNDEFINED;
    // What the list being translated did to it since its last barrier;
    // reset when the list ends.
    bool used = false, wrote = false;
    VkPipelineStageFlags2 usedStages = 0;
    VkAccessFlags2 usedAccess = 0;
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
    uint32_t bytesPerBlock = 4; // a texel, or a 4x4 block when blockSize is 4
    uint32_t blockSize = 1;
    // Typeless textures: views may take other formats of the family, each
    // with the usage its format allows (`usage` is the image's).
    bool mutableFormat = false;
    VkImageUsageFlags usage = 0;
    VkImageType type = VK_IMAGE_TYPE_2D;
    uint32_t width = 0, height = 0, depth = 1, mipLevels = 1, arrayLayers = 1;
    VkSampleCountFlagBits samples = VK_SAMPLE_COUNT_1_BIT;
    bool cubeCompatible = false; // its slices may be viewed as cube faces
    // The Direct3D 12 states, shared with the resource's ResourceTrack.
    std::shared_ptr<const SubresourceStates> states;

    // Mip `m` of layer `l` is subresources[m + l * mipLevels], as Direct3D
    // 12 numbers a plane's subresources; sized when the image is made.
    std::vector<SubresourceState> subresources;
    SubresourceState& Subresource(uint32_t mip, uint32_t layer) {
        return subresources[mip + layer * mipLevels];
    }
    // The Direct3D 12 state of mip `mip` of layer `layer` (its first plane).
    D3D12_RESOURCE_STATES StateOf(uint32_t mip, uint32_t layer) const {
        return (*states)[mip + layer * mipLevels];
    }
    SubresourceRange All() const { return {0, mipLevels, 0, arrayLayers}; }
    // The mip and layer of a Direct3D 12 subresource index; planes past the
    // first fold onto the first.
    SubresourceRange RangeOfIndex(uint32_t index) const {
        index %= mipLevels * arrayLayers;
        return {index % mipLevels, 1, index / mipLevels, 1};
    }

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
    // Whether the driver has reached `value`. A timeline only moves up, so
    // the highest value seen answers without asking the driver where it can.
    bool DriverReached(uint64_t value) const;
    // A wait for `value` ended: the driver has reached it.
    void NoteReached(uint64_t value) const;
    // The highest value the driver has been seen to reach.
    uint64_t Seen() const { return seen_.load(std::memory_order_relaxed); }

    std::shared_ptr<vk_core::VulkanContext> context;
    VkSemaphore semaphore = VK_NULL_HANDLE;

private:
    mutable std::atomic<uint64_t> seen_{0};
};

} // namespace d3d12_standin
