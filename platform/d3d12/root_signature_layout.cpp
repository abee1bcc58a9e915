#include "root_signature_layout.h"

#include "gpu_objects.h"
#include "state_translation.h"

#include <register_bindings.h>
#include <vulkan_check.h>

#include <iterator>
#include <map>

namespace d3d12_standin {
namespace {

constexpr uint32_t kMaxTableDescriptors = 4096;

// What a compiled binding's register class (0 b, 1 t, 2 s, 3 u) binds
// through: a range type of a table and a root-parameter type (samplers have
// no root parameter; theirs is never matched).
struct RegisterClass {
    char letter;
    int rangeType;
    D3D12_ROOT_PARAMETER_TYPE rootType;
};

constexpr RegisterClass kRegisterClasses[] = {
    {'b', D3D12_DESCRIPTOR_RANGE_TYPE_CBV, D3D12_ROOT_PARAMETER_TYPE_CBV},
    {'t', D3D12_DESCRIPTOR_RANGE_TYPE_SRV, D3D12_ROOT_PARAMETER_TYPE_SRV},
    {'s', D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER, D3D12_ROOT_PARAMETER_TYPE_CBV},
    {'u', D3D12_DESCRIPTOR_RANGE_TYPE_UAV, D3D12_ROOT_PARAMETER_TYPE_UAV},
};

const RegisterClass& ClassOf(uint32_t registerClass) {
    static constexpr RegisterClass kUnknown{'?', -1, D3D12_ROOT_PARAMETER_TYPE_CBV};
    return registerClass < std::size(kRegisterClasses) ? kRegisterClasses[registerClass] : kUnknown;
}

bool Visible(D3D12_SHADER_VISIBILITY visibility, VkShaderStageFlagBits stage) {
    return (StagesFor(visibility) & stage) != 0;
}

VkDescriptorSetLayout MakeSetLayout(VkDevice device,
                                    const std::vector<VkDescriptorSetLayoutBinding>& bindings) {
    VkDescriptorSetLayoutCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_LAYOUT_CREATE_INFO;
    info.bindingCount = uint32_t(bindings.size());
    info.pBindings = bindings.data();
    VkDescriptorSetLayout layout = VK_NULL_HANDLE;
    VK_CHECK(vkCreateDescriptorSetLayout(device, &info, nullptr, &layout));
    return layout;
}

// The Vulkan bindings of one table descriptor: one per shape a view of its
// range type can be read through, and an unordered-access view's counter.
void AddTableBindings(uint32_t offset, D3D12_DESCRIPTOR_RANGE_TYPE type, VkShaderStageFlags stages,
                      std::vector<VkDescriptorSetLayoutBinding>* bindings) {
    const uint32_t shapes = ShapesOfRange(type);
    for (uint32_t shape = 0; shape < shapes; ++shape) {
        auto resourceShape = dxbc::ResourceShape(shape);
        bindings->push_back({TableVulkanBinding(offset, resourceShape),
                             TypeForRange(type, resourceShape), 1, stages, nullptr});
    }
}

const char* StageName(VkShaderStageFlagBits stage) {
    switch (stage) {
    case VK_SHADER_STAGE_VERTEX_BIT:
        return "vertex";
    case VK_SHADER_STAGE_COMPUTE_BIT:
        return "compute";
    case VK_SHADER_STAGE_GEOMETRY_BIT:
        return "geometry";
    default:
        return "pixel";
    }
}

} // namespace

std::shared_ptr<RootSignatureLayout>
RootSignatureLayout::Create(std::shared_ptr<vk_core::VulkanContext> context, const void* blob,
                            size_t size, std::string* error) {
    std::shared_ptr<RootSignatureLayout> layout(new RootSignatureLayout(std::move(context)));
    if (blob == nullptr || size == 0) {
        *error = "no root signature data";
        return nullptr;
    }
    if (!dxbc::ReadRootSignature(blob, size, &layout->desc, error)) {
        return nullptr;
    }
    layout->blob = dxbc::WriteRootSignature(layout->desc);
    if (!layout->Build(error)) {
        return nullptr;
    }
    return layout;
}

RootSignatureLayout::~RootSignatureLayout() {
    if (context->lost) {
        return; // the unfinished work may still use these layouts
    }
    VkDevice device = context->device;
    vkDestroyPipelineLayout(device, layout, nullptr);
    for (RootParameterLayout& parameter : parameters) {
        vkDestroyDescriptorSetLayout(device, parameter.setLayout, nullptr);
    }
    vkDestroyDescriptorPool(device, samplerPool_, nullptr);
    vkDestroyDescriptorSetLayout(device, samplerSetLayout_, nullptr);
    for (VkSampler sampler : samplers_) {
        vkDestroySampler(device, sampler, nullptr);
    }
}

bool RootSignatureLayout::Build(std::string* error) {
    VkDevice device = context->device;
    for (size_t i = 0; i < desc.parameters.size(); ++i) {
        const dxbc::RootParameter& source = desc.parameters[i];
        RootParameterLayout parameter;
        parameter.type = source.type;
        parameter.setLayoutId = NextObjectId();
        VkShaderStageFlags stages = StagesFor(source.visibility);
        std::vector<VkDescriptorSetLayoutBinding> bindings;
        if (source.type == D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE) {
            std::map<uint32_t, D3D12_DESCRIPTOR_RANGE_TYPE> byOffset;
            uint32_t next = 0;
            for (const D3D12_DESCRIPTOR_RANGE1& range : source.ranges) {
                if (range.NumDescriptors == UINT_MAX ||
                    range.NumDescriptors > kMaxTableDescriptors) {
                    *error = "root parameter " + std::to_string(i) +
                             ": unbounded or very large descriptor ranges are not supported";
                    return false;
                }
                uint32_t start =
                    range.OffsetInDescriptorsFromTableStart == D3D12_DESCRIPTOR_RANGE_OFFSET_APPEND
                        ? next
                        : range.OffsetInDescriptorsFromTableStart;
                D3D12_DESCRIPTOR_RANGE_TYPE type = range.RangeType;
                for (uint32_t k = 0; k < range.NumDescriptors; ++k) {
                    auto [it, inserted] = byOffset.emplace(start + k, type);
                    if (!inserted && it->second != type) {
                        *error = "root parameter " + std::to_string(i) +
                                 ": ranges of different types overlap";
                        return false;
                    }
                }
                next = start + range.NumDescriptors;
            }
            for (auto [offset, type] : byOffset) {
                parameter.bindings.push_back({offset, TypeForRange(type), type});
                AddTableBindings(offset, type, stages, &bindings);
            }
        } else {
            VkDescriptorType type = source.type == D3D12_ROOT_PARAMETER_TYPE_SRV ||
                                            source.type == D3D12_ROOT_PARAMETER_TYPE_UAV
                                        ? VK_DESCRIPTOR_TYPE_STORAGE_BUFFER
                                        : VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER;
            bindings.push_back({0, type, 1, stages, nullptr});
        }
        parameter.setLayout = MakeSetLayout(device, bindings);
        parameters.push_back(std::move(parameter));
        if (parameters.back().setLayout == VK_NULL_HANDLE) {
            *error = "vkCreateDescriptorSetLayout failed";
            return false;
        }
    }
    std::vector<VkDescriptorSetLayout> setLayouts;
    for (const RootParameterLayout& parameter : parameters) {
        setLayouts.push_back(parameter.setLayout);
    }
    samplerSetIndex = uint32_t(parameters.size());
    if (!desc.staticSamplers.empty()) {
        if (!BuildSamplerSet(error)) {
            return false;
        }
        setLayouts.push_back(samplerSetLayout_);
    }
    if (setLayouts.size() > context->properties.limits.maxBoundDescriptorSets) {
        *error = "the root signature needs " + std::to_string(setLayouts.size()) +
                 " descriptor sets; this device binds at most " +
                 std::to_string(context->properties.limits.maxBoundDescriptorSets);
        return false;
    }
    VkPipelineLayoutCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_PIPELINE_LAYOUT_CREATE_INFO;
    info.setLayoutCount = uint32_t(setLayouts.size());
    info.pSetLayouts = setLayouts.data();
    if (!VK_CHECK(vkCreatePipelineLayout(device, &info, nullptr, &layout))) {
        *error = "vkCreatePipelineLayout failed";
        return false;
    }
    return true;
}

bool RootSignatureLayout::BuildSamplerSet(std::string* error) {
    VkDevice device = context->device;
    std::vector<VkDescriptorSetLayoutBinding> bindings;
    for (size_t k = 0; k < desc.staticSamplers.size(); ++k) {
        VkSamplerCreateInfo info = SamplerInfo(desc.staticSamplers[k]);
        VkSampler sampler = VK_NULL_HANDLE;
        if (!VK_CHECK(vkCreateSampler(device, &info, nullptr, &sampler))) {
            *error = "vkCreateSampler failed";
            return false;
        }
        samplers_.push_back(sampler);
    }
    for (size_t k = 0; k < desc.staticSamplers.size(); ++k) {
        bindings.push_back({uint32_t(k), VK_DESCRIPTOR_TYPE_SAMPLER, 1,
                            StagesFor(desc.staticSamplers[k].ShaderVisibility), &samplers_[k]});
    }
    samplerSetLayout_ = MakeSetLayout(device, bindings);
    VkDescriptorPoolSize size{VK_DESCRIPTOR_TYPE_SAMPLER, uint32_t(bindings.size())};
    VkDescriptorPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_POOL_CREATE_INFO;
    poolInfo.maxSets = 1;
    poolInfo.poolSizeCount = 1;
    poolInfo.pPoolSizes = &size;
    if (samplerSetLayout_ == VK_NULL_HANDLE ||
        !VK_CHECK(vkCreateDescriptorPool(device, &poolInfo, nullptr, &samplerPool_))) {
        *error = "static sampler set could not be created";
        return false;
    }
    VkDescriptorSetAllocateInfo allocate{};
    allocate.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_ALLOCATE_INFO;
    allocate.descriptorPool = samplerPool_;
    allocate.descriptorSetCount = 1;
    allocate.pSetLayouts = &samplerSetLayout_;
    if (!VK_CHECK(vkAllocateDescriptorSets(device, &allocate, &samplerSet))) {
        *error = "static sampler set could not be allocated";
        return false;
    }
    return true;
}

bool RootSignatureLayout::Remap(VkShaderStageFlagBits stage, uint32_t space, uint32_t binding,
                                dxbc::ResourceShape shape, uint32_t* newSet, uint32_t* newBinding,
                                std::string* error) const {
    uint32_t registerClass = binding / dxbc::kRegistersPerClass;
    uint32_t registerIndex = binding % dxbc::kRegistersPerClass;
    const bool counter = registerClass == uint32_t(dxbc::RegisterClass::UnorderedAccessCounter);
    if (counter) {
        registerClass = uint32_t(dxbc::RegisterClass::UnorderedAccess);
        shape = dxbc::ResourceShape::Counter;
    }
    int rangeType = ClassOf(registerClass).rangeType;
    for (size_t i = 0; i < desc.parameters.size(); ++i) {
        const dxbc::RootParameter& parameter = desc.parameters[i];
        if (!Visible(parameter.visibility, stage)) {
            continue;
        }
        if (parameter.type == D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE) {
            uint32_t next = 0;
            for (const D3D12_DESCRIPTOR_RANGE1& range : parameter.ranges) {
                uint32_t start =
                    range.OffsetInDescriptorsFromTableStart == D3D12_DESCRIPTOR_RANGE_OFFSET_APPEND
                        ? next
                        : range.OffsetInDescriptorsFromTableStart;
                next = start + range.NumDescriptors;
                if (int(range.RangeType) == rangeType && range.RegisterSpace == space &&
                    registerIndex >= range.BaseShaderRegister &&
                    registerIndex - range.BaseShaderRegister < range.NumDescriptors) {
                    *newSet = uint32_t(i);
                    *newBinding =
                        TableVulkanBinding(start + registerIndex - range.BaseShaderRegister, shape);
                    return true;
                }
            }
            continue;
        }
        bool constants = parameter.type == D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS;
        uint32_t reg =
            constants ? parameter.constants.ShaderRegister : parameter.descriptor.ShaderRegister;
        uint32_t regSpace =
            constants ? parameter.constants.RegisterSpace : parameter.descriptor.RegisterSpace;
        D3D12_ROOT_PARAMETER_TYPE wanted =
            constants ? D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS : ClassOf(registerClass).rootType;
        if (registerClass != 2 && parameter.type == wanted && reg == registerIndex &&
            regSpace == space && (registerClass == 0 || !constants)) {
            if (counter) {
                *error = "root parameter " + std::to_string(i) +
                         " is a root view, which has no counter; the " + StageName(stage) +
                         " shader uses the counter of u" + std::to_string(registerIndex);
                return false;
            }
            if (registerClass != 0 && shape != dxbc::ResourceShape::StorageBuffer) {
                *error = "root parameter " + std::to_string(i) +
                         " is a root view, which holds only structured and byte-address "
                         "buffers; the " +
                         StageName(stage) + " shader declares another resource there";
                return false;
            }
            *newSet = uint32_t(i);
            *newBinding = 0;
            return true;
        }
    }
    if (registerClass == 2) {
        for (size_t k = 0; k < desc.staticSamplers.size(); ++k) {
            const D3D12_STATIC_SAMPLER_DESC& sampler = desc.staticSamplers[k];
            if (sampler.ShaderRegister == registerIndex && sampler.RegisterSpace == space &&
                Visible(sampler.ShaderVisibility, stage)) {
                *newSet = samplerSetIndex;
                *newBinding = uint32_t(k);
                return true;
            }
        }
    }
    char letter = ClassOf(registerClass).letter;
    *error = "register " + std::string(1, letter) + std::to_string(registerIndex) + ", space" +
             std::to_string(space) + " used by the " + StageName(stage) +
             " shader is not in the root signature";
    return false;
}

} // namespace d3d12_standin
