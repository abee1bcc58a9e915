#include "descriptor_set_cache.h"

#include "state_translation.h"

#include <vulkan_check.h>

#include <cstring>

namespace d3d12_standin {
namespace {

constexpr size_t kMaxCachedSets = 16384;
constexpr uint32_t kSetsPerPool = 256;

} // namespace

VkWriteDescriptorSet& SetContent::AddWrite(uint32_t binding, VkDescriptorType type) {
    VkWriteDescriptorSet write{};
    write.sType = VK_STRUCTURE_TYPE_WRITE_DESCRIPTOR_SET;
    write.dstBinding = binding;
    write.descriptorCount = 1;
    write.descriptorType = type;
    writes.push_back(write);
    return writes.back();
}

void SetContent::Clear() {
    key.clear();
    writes.clear();
    buffers.clear();
    images.clear();
    texelBuffers.clear();
}

void SetContent::AddBuffer(uint32_t binding, VkDescriptorType type,
                           const VkDescriptorBufferInfo& info) {
    buffers.push_back(info);
    AddWrite(binding, type).pBufferInfo = &buffers.back();
}

void SetContent::AddImage(uint32_t binding, VkDescriptorType type,
                          const VkDescriptorImageInfo& info) {
    images.push_back(info);
    AddWrite(binding, type).pImageInfo = &images.back();
}

void SetContent::AddTexelBuffer(uint32_t binding, VkDescriptorType type, VkBufferView view) {
    texelBuffers.push_back(view);
    AddWrite(binding, type).pTexelBufferView = &texelBuffers.back();
}

DescriptorSetCache::DescriptorSetCache(std::shared_ptr<vk_core::VulkanContext> context)
    : context_(std::move(context)) {}

DescriptorSetCache::~DescriptorSetCache() {
    if (context_->lost) {
        return; // the unfinished work may still read these sets
    }
    for (VkDescriptorPool pool : pools_) {
        vkDestroyDescriptorPool(context_->device, pool, nullptr);
    }
    for (auto& [desc, sampler] : samplers_) {
        vkDestroySampler(context_->device, sampler, nullptr);
    }
}

VkDescriptorPool DescriptorSetCache::NewPool() {
    VkDescriptorPoolSize sizes[] = {
        {VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, kSetsPerPool * 4},
        {VK_DESCRIPTOR_TYPE_SAMPLED_IMAGE, kSetsPerPool * 4},
        {VK_DESCRIPTOR_TYPE_SAMPLER, kSetsPerPool * 2},
        {VK_DESCRIPTOR_TYPE_STORAGE_IMAGE, kSetsPerPool * 2},
        {VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, kSetsPerPool * 4},
        {VK_DESCRIPTOR_TYPE_UNIFORM_TEXEL_BUFFER, kSetsPerPool * 4},
        {VK_DESCRIPTOR_TYPE_STORAGE_TEXEL_BUFFER, kSetsPerPool * 2},
    };
    VkDescriptorPoolCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_POOL_CREATE_INFO;
    info.maxSets = kSetsPerPool;
    info.poolSizeCount = uint32_t(std::size(sizes));
    info.pPoolSizes = sizes;
    VkDescriptorPool pool = VK_NULL_HANDLE;
    if (!VK_CHECK(vkCreateDescriptorPool(context_->device, &info, nullptr, &pool))) {
        return VK_NULL_HANDLE;
    }
    pools_.push_back(pool);
    return pool;
}

VkDescriptorSet DescriptorSetCache::Get(VkDescriptorSetLayout layout, uint64_t layoutId,
                                        SetContent& content) {
    content.key.insert(content.key.begin(), layoutId);
    auto found = sets_.find(content.key);
    if (found != sets_.end()) {
        return found->second;
    }
    VkDescriptorSetAllocateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_ALLOCATE_INFO;
    info.descriptorSetCount = 1;
    info.pSetLayouts = &layout;
    VkDescriptorSet set = VK_NULL_HANDLE;
    info.descriptorPool = pools_.empty() ? NewPool() : pools_.back();
    VkResult result = vkAllocateDescriptorSets(context_->device, &info, &set);
    if (result != VK_SUCCESS) {
        info.descriptorPool = NewPool();
        if (!VK_CHECK(vkAllocateDescriptorSets(context_->device, &info, &set))) {
            return VK_NULL_HANDLE;
        }
    }
    for (VkWriteDescriptorSet& write : content.writes) {
        write.dstSet = set;
    }
    vkUpdateDescriptorSets(context_->device, uint32_t(content.writes.size()), content.writes.data(),
                           0, nullptr);
    sets_.emplace(content.key, set);
    return set;
}

VkSampler DescriptorSetCache::Sampler(const D3D12_SAMPLER_DESC& desc) {
    for (auto& [known, sampler] : samplers_) {
        if (std::memcmp(&known, &desc, sizeof(desc)) == 0) {
            return sampler;
        }
    }
    VkSamplerCustomBorderColorCreateInfoEXT custom{};
    VkSamplerCreateInfo info =
        SamplerInfo(desc, context_->features.customBorderColor ? &custom : nullptr);
    VkSampler sampler = VK_NULL_HANDLE;
    if (!VK_CHECK(vkCreateSampler(context_->device, &info, nullptr, &sampler))) {
        return VK_NULL_HANDLE;
    }
    samplers_.emplace_back(desc, sampler);
    return sampler;
}

bool DescriptorSetCache::WantsReset() const {
    return sets_.size() > kMaxCachedSets;
}

void DescriptorSetCache::Reset() {
    for (VkDescriptorPool pool : pools_) {
        vkDestroyDescriptorPool(context_->device, pool, nullptr);
    }
    pools_.clear();
    sets_.clear();
    ++generation_;
}

} // namespace d3d12_standin
