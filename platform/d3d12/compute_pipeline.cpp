// Compute pipeline states: the compute shader's SPIR-V with its bindings moved
// to the root signature's layout, in a Vulkan compute pipeline.
#include "pipeline_object.h"
#include "shader_stage.h"

#include <vulkan_check.h>

namespace d3d12_standin {

HRESULT BuildComputePipeline(std::shared_ptr<vk_core::VulkanContext> context,
                             const D3D12_COMPUTE_PIPELINE_STATE_DESC& desc,
                             std::shared_ptr<RootSignatureLayout> rootSignature,
                             std::shared_ptr<PipelineObject>* out, std::string* error) {
    if (desc.CS.pShaderBytecode == nullptr || desc.CS.BytecodeLength == 0) {
        *error = "no compute shader";
        return E_INVALIDARG;
    }
    if (rootSignature == nullptr) {
        // Without a root signature, the one compiled into the shader is used.
        std::vector<uint8_t> embedded = EmbeddedRootSignature(desc.CS);
        if (embedded.empty()) {
            *error = "no root signature, and none is compiled into the shader";
            return E_INVALIDARG;
        }
        rootSignature =
            RootSignatureLayout::Create(context, embedded.data(), embedded.size(), error);
        if (rootSignature == nullptr) {
            return E_INVALIDARG;
        }
    }
    ShaderStage stage;
    if (!PrepareShaderStage(desc.CS, VK_SHADER_STAGE_COMPUTE_BIT, *rootSignature, &stage, error)) {
        return E_INVALIDARG;
    }
    auto pipeline = std::make_shared<PipelineObject>(context);
    pipeline->compute = true;
    pipeline->rootSignature = rootSignature;
    pipeline->computeModule = MakeShaderModule(context->device, stage.spirv);
    VkComputePipelineCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_COMPUTE_PIPELINE_CREATE_INFO;
    info.stage.sType = VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO;
    info.stage.stage = VK_SHADER_STAGE_COMPUTE_BIT;
    info.stage.module = pipeline->computeModule;
    info.stage.pName = stage.entryPoint.c_str();
    info.layout = rootSignature->layout;
    if (pipeline->computeModule == VK_NULL_HANDLE ||
        !VK_CHECK(vkCreateComputePipelines(context->device, VK_NULL_HANDLE, 1, &info, nullptr,
                                           &pipeline->pipeline))) {
        *error = "the Vulkan compute pipeline could not be created";
        return E_INVALIDARG;
    }
    *out = std::move(pipeline);
    return S_OK;
}

} // namespace d3d12_standin
