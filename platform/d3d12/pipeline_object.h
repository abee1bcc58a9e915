// A graphics pipeline with what drawing with it needs to know.
#pragma once

#include "root_signature_layout.h"

#include <windows.h>

#include <d3d12.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace d3d12_standin {

struct PipelineObject {
    explicit PipelineObject(std::shared_ptr<vk_core::VulkanContext> owner)
        : context(std::move(owner)) {}
    ~PipelineObject() { vkDestroyPipeline(context->device, pipeline, nullptr); }
    PipelineObject(const PipelineObject&) = delete;
    PipelineObject& operator=(const PipelineObject&) = delete;

    std::shared_ptr<vk_core::VulkanContext> context;
    VkPipeline pipeline = VK_NULL_HANDLE;
    std::shared_ptr<RootSignatureLayout> rootSignature;
    // Input slots the vertex shader reads; each is a Vulkan binding of the same number.
    std::vector<uint32_t> vertexSlots;
    std::array<bool, D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT> perInstanceSlot{};
    uint32_t numRenderTargets = 0;
    std::array<VkFormat, 8> colorFormats{};
    VkFormat depthFormat = VK_FORMAT_UNDEFINED;
    D3D12_PRIMITIVE_TOPOLOGY_TYPE topologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
};

// Builds the pipeline for `desc`; `rootSignature` may be null when a shader
// carries its own. Returns E_INVALIDARG (with the reason in `error`) for a
// description the stand-in cannot honour.
HRESULT BuildPipeline(std::shared_ptr<vk_core::VulkanContext> context,
                      const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                      std::shared_ptr<RootSignatureLayout> rootSignature,
                      std::shared_ptr<PipelineObject>* pipeline, std::string* error);

} // namespace d3d12_standin
