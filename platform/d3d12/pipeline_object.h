// A graphics pipeline with what drawing with it needs to know.
#pragma once

#include "root_signature_layout.h"

#include <windows.h>

#include <d3d12.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace d3d12_standin {

// Everything a Vulkan pipeline is made from, kept to make variants.
struct PipelineRecipe {
    VkShaderModule vertexModule = VK_NULL_HANDLE;
    VkShaderModule geometryModule = VK_NULL_HANDLE; // none without a geometry shader
    VkShaderModule hullModule = VK_NULL_HANDLE;     // both none without tessellation
    VkShaderModule domainModule = VK_NULL_HANDLE;
    VkShaderModule pixelModule = VK_NULL_HANDLE;
    std::vector<uint32_t> pixelSpirv; // for variants that leave targets out
    std::string vertexEntry, geometryEntry, hullEntry, domainEntry, pixelEntry;
    uint32_t patchControlPoints = 0; // the hull shader's input patch size
    std::vector<VkVertexInputAttributeDescription> attributes;
    std::vector<VkVertexInputBindingDescription> bindings;
    VkPrimitiveTopology topology = VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    VkPipelineRasterizationStateCreateInfo rasterization{};
    VkSampleMask sampleMask = ~0u;
    VkSampleCountFlagBits samples = VK_SAMPLE_COUNT_1_BIT;
    VkBool32 alphaToCoverage = VK_FALSE;
    VkPipelineDepthStencilStateCreateInfo depthStencil{};
    std::array<VkPipelineColorBlendAttachmentState, 8> blends{};
    bool hasStencil = false;
};

struct PipelineObject {
    explicit PipelineObject(std::shared_ptr<vk_core::VulkanContext> owner)
        : context(std::move(owner)) {}
    ~PipelineObject();
    PipelineObject(const PipelineObject&) = delete;
    PipelineObject& operator=(const PipelineObject&) = delete;

    // The pipeline with the colour formats of the slots in `colorMask` (the
    // others VK_FORMAT_UNDEFINED, and the pixel shader's outputs to them
    // dropped), and the depth format only if `withDepth`. Direct3D draws with
    // a format but no view and discards what goes there; Vulkan wants the
    // pipeline to leave that attachment out.
    VkPipeline Variant(uint32_t colorMask, bool withDepth);
    // The colour slots the description gives a format, as a mask.
    uint32_t NamedTargets() const;

    std::shared_ptr<vk_core::VulkanContext> context;
    PipelineRecipe recipe;
    VkPipeline pipeline = VK_NULL_HANDLE; // every target the description names
    std::shared_ptr<RootSignatureLayout> rootSignature;
    // Input slots the vertex shader reads; each is a Vulkan binding of the same number.
    std::vector<uint32_t> vertexSlots;
    std::array<bool, D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT> perInstanceSlot{};
    uint32_t numRenderTargets = 0;
    std::array<VkFormat, 8> colorFormats{};
    VkFormat depthFormat = VK_FORMAT_UNDEFINED;
    D3D12_PRIMITIVE_TOPOLOGY_TYPE topologyType = D3D12_PRIMITIVE_TOPOLOGY_TYPE_TRIANGLE;
    // A geometry shader reads lineadj or triangleadj primitives, which only
    // the _ADJ topologies carry.
    bool geometryReadsAdjacency = false;
    D3D12_INDEX_BUFFER_STRIP_CUT_VALUE stripCut = D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_DISABLED;
    // Draws capture vertices into the list's stream-output targets; the
    // stride of each slot the shader writes, 0 for the others.
    bool streamOutput = false;
    std::array<uint32_t, D3D12_SO_BUFFER_SLOT_COUNT> streamOutputStrides{};
    // A compute pipeline: `pipeline` runs `computeModule`; nothing else is used.
    bool compute = false;
    VkShaderModule computeModule = VK_NULL_HANDLE;

private:
    // The pixel shader without the outputs of slots outside `colorMask`: a
    // new module the caller destroys, or the recipe's own when none is left out.
    VkShaderModule PixelModuleFor(uint32_t colorMask) const;
    std::array<VkPipelineColorBlendAttachmentState, 8> BlendsFor(uint32_t colorMask) const;

    std::mutex variantsMutex_;
    std::map<std::pair<uint32_t, bool>, VkPipeline> variants_;
};

VkShaderModule MakeShaderModule(VkDevice device, const std::vector<uint32_t>& spirv);

// Builds the compute pipeline for `desc` (compute_pipeline.cpp), as BuildPipeline does.
HRESULT BuildComputePipeline(std::shared_ptr<vk_core::VulkanContext> context,
                             const D3D12_COMPUTE_PIPELINE_STATE_DESC& desc,
                             std::shared_ptr<RootSignatureLayout> rootSignature,
                             std::shared_ptr<PipelineObject>* pipeline, std::string* error);

// Builds the pipeline for `desc`; `rootSignature` may be null when a shader
// carries its own. Returns E_INVALIDARG (with the reason in `error`) for a
// description the stand-in cannot honour.
HRESULT BuildPipeline(std::shared_ptr<vk_core::VulkanContext> context,
                      const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                      std::shared_ptr<RootSignatureLayout> rootSignature,
                      std::shared_ptr<PipelineObject>* pipeline, std::string* error);

} // namespace d3d12_standin
