// A serialized root signature turned into a Vulkan pipeline layout. Root
// parameter i is descriptor set i; inside a table, the descriptor at offset k
// from the table's start is binding k. Static samplers form one more set of
// immutable samplers after the parameters.
#pragma once

#include <root_signature_binary.h>
#include <spirv_resources.h>

#include <vulkan_context.h>

#include <memory>
#include <string>
#include <vector>

namespace d3d12_standin {

// A descriptor of a table: `binding` is its offset from the table's start;
// `type` how a texture, sampler or constant buffer there is read.
struct TableBinding {
    uint32_t binding;
    VkDescriptorType type;
    D3D12_DESCRIPTOR_RANGE_TYPE rangeType = D3D12_DESCRIPTOR_RANGE_TYPE_SRV;
};

// Shader-resource and unordered-access views are read through an image, a
// texel buffer or a storage buffer as the shader declares them: each
// descriptor of a table has one Vulkan binding per shape.
constexpr uint32_t TableVulkanBinding(uint32_t offset, dxbc::ResourceShape shape) {
    return offset * dxbc::kResourceShapes + uint32_t(shape);
}

// How many of those bindings a descriptor of a range of `type` has: the view
// shapes, and the counter after them for unordered-access views.
constexpr uint32_t ShapesOfRange(D3D12_DESCRIPTOR_RANGE_TYPE type) {
    if (type == D3D12_DESCRIPTOR_RANGE_TYPE_UAV) {
        return dxbc::kResourceShapes;
    }
    return type == D3D12_DESCRIPTOR_RANGE_TYPE_SRV ? dxbc::kViewShapes : 1;
}

struct RootParameterLayout {
    D3D12_ROOT_PARAMETER_TYPE type;
    VkDescriptorSetLayout setLayout = VK_NULL_HANDLE;
    uint64_t setLayoutId = 0;
    std::vector<TableBinding> bindings; // tables only
};

class RootSignatureLayout {
public:
    // The layout, or null with a reason in `error`.
    static std::shared_ptr<RootSignatureLayout>
    Create(std::shared_ptr<vk_core::VulkanContext> context, const void* blob, size_t size,
           std::string* error);
    ~RootSignatureLayout();
    RootSignatureLayout(const RootSignatureLayout&) = delete;
    RootSignatureLayout& operator=(const RootSignatureLayout&) = delete;

    // Where a resource the shader of `stage` declared as register(<class>N,
    // spaceM) lives here: the compiler encodes it as set M, binding
    // classBase + N (register_bindings.h); `shape` is how the shader reads it.
    bool Remap(VkShaderStageFlagBits stage, uint32_t space, uint32_t binding,
               dxbc::ResourceShape shape, uint32_t* newSet, uint32_t* newBinding,
               std::string* error) const;

    // Same layouts, so pipelines and bindings made from either agree.
    bool CompatibleWith(const RootSignatureLayout& other) const { return blob == other.blob; }

    std::shared_ptr<vk_core::VulkanContext> context;
    dxbc::RootSignatureDesc desc{};
    std::vector<uint8_t> blob;
    std::vector<RootParameterLayout> parameters;
    VkPipelineLayout layout = VK_NULL_HANDLE;
    // The static samplers' set (VK_NULL_HANDLE when there are none).
    uint32_t samplerSetIndex = 0;
    VkDescriptorSet samplerSet = VK_NULL_HANDLE;

private:
    explicit RootSignatureLayout(std::shared_ptr<vk_core::VulkanContext> owner)
        : context(std::move(owner)) {}
    bool Build(std::string* error);
    bool BuildSamplerSet(std::string* error);

    VkDescriptorSetLayout samplerSetLayout_ = VK_NULL_HANDLE;
    VkDescriptorPool samplerPool_ = VK_NULL_HANDLE;
    std::vector<VkSampler> samplers_;
};

} // namespace d3d12_standin
