// Descriptor sets for the tables bound at draws, cached by what they hold so
// that drawing the same tables again allocates and writes nothing.
#pragma once

#include "gpu_objects.h"

#include <deque>
#include <map>
#include <memory>
#include <vector>

namespace d3d12_standin {

// The writes of one set, with a key that names its contents by object id.
struct SetContent {
    std::vector<uint64_t> key;
    std::vector<VkWriteDescriptorSet> writes;
    std::deque<VkDescriptorBufferInfo> buffers;
    std::deque<VkDescriptorImageInfo> images;
    std::deque<VkBufferView> texelBuffers;

    void AddBuffer(uint32_t binding, VkDescriptorType type, const VkDescriptorBufferInfo& info);
    void AddImage(uint32_t binding, VkDescriptorType type, const VkDescriptorImageInfo& info);
    void AddTexelBuffer(uint32_t binding, VkDescriptorType type, VkBufferView view);
    void Clear(); // keeps the storage

private:
    VkWriteDescriptorSet& AddWrite(uint32_t binding, VkDescriptorType type);
};

class DescriptorSetCache {
public:
    explicit DescriptorSetCache(std::shared_ptr<vk_core::VulkanContext> context);
    ~DescriptorSetCache();
    DescriptorSetCache(const DescriptorSetCache&) = delete;
    DescriptorSetCache& operator=(const DescriptorSetCache&) = delete;

    // An empty content to fill for Get, its storage kept from the last one.
    SetContent& Scratch() {
        scratch_.Clear();
        return scratch_;
    }
    // The set of `layout` (identified by `layoutId`) holding `content`.
    VkDescriptorSet Get(VkDescriptorSetLayout layout, uint64_t layoutId, SetContent& content);
    // A sampler for a sampler descriptor, kept for the life of the device.
    VkSampler Sampler(const D3D12_SAMPLER_DESC& desc);
    // True when the cache has grown enough to start over.
    bool WantsReset() const;
    // Frees every set; only when no submission that used them is pending.
    void Reset();
    // Counts the resets: a set found before is valid while this is unchanged.
    uint64_t Generation() const { return generation_; }

private:
    VkDescriptorPool NewPool();

    std::shared_ptr<vk_core::VulkanContext> context_;
    std::vector<VkDescriptorPool> pools_;
    std::map<std::vector<uint64_t>, VkDescriptorSet> sets_;
    std::vector<std::pair<D3D12_SAMPLER_DESC, VkSampler>> samplers_;
    SetContent scratch_;
    uint64_t generation_ = 0;
};

} // namespace d3d12_standin
