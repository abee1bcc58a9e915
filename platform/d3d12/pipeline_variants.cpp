// Vulkan pipelines made from a recipe, one per combination of attachments.
#include "pipeline_object.h"
#include "viewport_translation.h"

#include <pipeline_constants.h>
#include <spirv_outputs.h>
#include <vulkan_check.h>

namespace d3d12_standin {

PipelineObject::~PipelineObject() {
    if (context->lost) {
        return; // the unfinished work may still run these pipelines
    }
    VkDevice device = context->device;
    for (auto& [key, variant] : variants_) {
        vkDestroyPipeline(device, variant, nullptr);
    }
    vkDestroyShaderModule(device, recipe.vertexModule, nullptr);
    vkDestroyShaderModule(device, recipe.geometryModule, nullptr);
    vkDestroyShaderModule(device, recipe.hullModule, nullptr);
    vkDestroyShaderModule(device, recipe.domainModule, nullptr);
    vkDestroyShaderModule(device, recipe.pixelModule, nullptr);
    if (compute) {
        vkDestroyPipeline(device, pipeline, nullptr);
        vkDestroyShaderModule(device, computeModule, nullptr);
    }
}

VkShaderModule MakeShaderModule(VkDevice device, const std::vector<uint32_t>& spirv) {
    VkShaderModuleCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_SHADER_MODULE_CREATE_INFO;
    info.codeSize = spirv.size() * 4;
    info.pCode = spirv.data();
    VkShaderModule module = VK_NULL_HANDLE;
    VK_CHECK(vkCreateShaderModule(device, &info, nullptr, &module));
    return module;
}

uint32_t PipelineObject::NamedTargets() const {
    uint32_t mask = 0;
    for (uint32_t i = 0; i < numRenderTargets; ++i) {
        mask |= colorFormats[i] != VK_FORMAT_UNDEFINED ? 1u << i : 0u;
    }
    return mask;
}

namespace {

// Dynamic: set by the command list when it draws (the blend factor and
// stencil reference are the list's, not the pipeline state's). The stride
// comes last, as a pipeline without vertex bindings has no strides to supply.
constexpr VkDynamicState kDynamicStates[] = {VK_DYNAMIC_STATE_VIEWPORT,
                                             VK_DYNAMIC_STATE_SCISSOR,
                                             VK_DYNAMIC_STATE_PRIMITIVE_TOPOLOGY,
                                             VK_DYNAMIC_STATE_PRIMITIVE_RESTART_ENABLE,
                                             VK_DYNAMIC_STATE_BLEND_CONSTANTS,
                                             VK_DYNAMIC_STATE_STENCIL_REFERENCE,
                                             VK_DYNAMIC_STATE_VERTEX_INPUT_BINDING_STRIDE};

// The values the compiled shaders leave to the pipeline (pipeline_constants.h).
struct PipelineConstants {
    uint32_t sampleCount;
    VkSpecializationMapEntry entry{dxbc::kSampleCountConstantId, 0, sizeof(uint32_t)};
    VkSpecializationInfo info{1, &entry, sizeof(uint32_t), &sampleCount};
    explicit PipelineConstants(VkSampleCountFlagBits samples) : sampleCount(samples) {}
    PipelineConstants(const PipelineConstants&) = delete;
};

// The stages the pipeline runs, in `stages`; returns how many.
uint32_t DescribeShaderStages(const PipelineRecipe& recipe, VkShaderModule pixelModule,
                              const PipelineConstants& constants,
                              VkPipelineShaderStageCreateInfo* stages) {
    uint32_t count = 0;
    auto add = [&](VkShaderStageFlagBits stage, VkShaderModule module, const std::string& entry) {
        if (module == VK_NULL_HANDLE) {
            return;
        }
        VkPipelineShaderStageCreateInfo& info = stages[count++];
        info.sType = VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO;
        info.stage = stage;
        info.module = module;
        info.pName = entry.c_str();
        info.pSpecializationInfo = &constants.info;
    };
    add(VK_SHADER_STAGE_VERTEX_BIT, recipe.vertexModule, recipe.vertexEntry);
    add(VK_SHADER_STAGE_TESSELLATION_CONTROL_BIT, recipe.hullModule, recipe.hullEntry);
    add(VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT, recipe.domainModule, recipe.domainEntry);
    add(VK_SHADER_STAGE_GEOMETRY_BIT, recipe.geometryModule, recipe.geometryEntry);
    // A pipeline that discards rasterisation has no fragment shader state.
    if (recipe.rasterization.rasterizerDiscardEnable != VK_TRUE) {
        add(VK_SHADER_STAGE_FRAGMENT_BIT, pixelModule, recipe.pixelEntry);
    }
    return count;
}

VkPipelineVertexInputStateCreateInfo VertexInputState(const PipelineRecipe& recipe) {
    VkPipelineVertexInputStateCreateInfo vertexInput{};
    vertexInput.sType = VK_STRUCTURE_TYPE_PIPELINE_VERTEX_INPUT_STATE_CREATE_INFO;
    vertexInput.vertexBindingDescriptionCount = uint32_t(recipe.bindings.size());
    vertexInput.pVertexBindingDescriptions = recipe.bindings.data();
    vertexInput.vertexAttributeDescriptionCount = uint32_t(recipe.attributes.size());
    vertexInput.pVertexAttributeDescriptions = recipe.attributes.data();
    return vertexInput;
}

VkPipelineMultisampleStateCreateInfo MultisampleState(const PipelineRecipe& recipe) {
    VkPipelineMultisampleStateCreateInfo multisample{};
    multisample.sType = VK_STRUCTURE_TYPE_PIPELINE_MULTISAMPLE_STATE_CREATE_INFO;
    multisample.rasterizationSamples = recipe.samples;
    multisample.pSampleMask = &recipe.sampleMask;
    multisample.alphaToCoverageEnable = recipe.alphaToCoverage;
    return multisample;
}

VkPipelineDynamicStateCreateInfo DynamicState(const PipelineRecipe& recipe) {
    VkPipelineDynamicStateCreateInfo dynamic{};
    dynamic.sType = VK_STRUCTURE_TYPE_PIPELINE_DYNAMIC_STATE_CREATE_INFO;
    dynamic.dynamicStateCount =
        uint32_t(std::size(kDynamicStates)) - (recipe.bindings.empty() ? 1 : 0);
    dynamic.pDynamicStates = kDynamicStates;
    return dynamic;
}

// The attachment formats of one variant; `formats` holds the colour formats.
VkPipelineRenderingCreateInfo RenderingFormats(const PipelineObject& pipeline, uint32_t colorMask,
                                               bool withDepth, std::array<VkFormat, 8>* formats) {
    for (uint32_t i = 0; i < pipeline.numRenderTargets; ++i) {
        (*formats)[i] =
            (colorMask & (1u << i)) != 0 ? pipeline.colorFormats[i] : VK_FORMAT_UNDEFINED;
    }
    VkPipelineRenderingCreateInfo rendering{};
    rendering.sType = VK_STRUCTURE_TYPE_PIPELINE_RENDERING_CREATE_INFO;
    rendering.colorAttachmentCount = pipeline.numRenderTargets;
    rendering.pColorAttachmentFormats = formats->data();
    if (withDepth) {
        rendering.depthAttachmentFormat = pipeline.depthFormat;
        rendering.stencilAttachmentFormat =
            pipeline.recipe.hasStencil ? pipeline.depthFormat : VK_FORMAT_UNDEFINED;
    }
    return rendering;
}

} // namespace

VkShaderModule PipelineObject::PixelModuleFor(uint32_t colorMask) const {
    if (recipe.pixelModule == VK_NULL_HANDLE || (NamedTargets() & ~colorMask) == 0) {
        return recipe.pixelModule;
    }
    const std::vector<uint32_t> spirv = dxbc::WithoutOutputLocations(recipe.pixelSpirv, colorMask);
    return spirv.empty() ? VK_NULL_HANDLE : MakeShaderModule(context->device, spirv);
}

// A slot left out is not written either.
std::array<VkPipelineColorBlendAttachmentState, 8>
PipelineObject::BlendsFor(uint32_t colorMask) const {
    std::array<VkPipelineColorBlendAttachmentState, 8> blends = recipe.blends;
    for (uint32_t i = 0; i < numRenderTargets; ++i) {
        blends[i].colorWriteMask = (colorMask & (1u << i)) != 0 ? blends[i].colorWriteMask : 0;
    }
    return blends;
}

VkPipeline PipelineObject::Variant(uint32_t colorMask, bool withDepth) {
    std::lock_guard lock(variantsMutex_);
    auto found = variants_.find({colorMask, withDepth});
    if (found != variants_.end()) {
        return found->second;
    }
    VkShaderModule pixelModule = PixelModuleFor(colorMask);
    VkPipelineShaderStageCreateInfo stages[5]{};
    const PipelineConstants constants(recipe.samples);
    const uint32_t stageCount = DescribeShaderStages(recipe, pixelModule, constants, stages);
    const VkPipelineVertexInputStateCreateInfo vertexInput = VertexInputState(recipe);
    VkPipelineInputAssemblyStateCreateInfo inputAssembly{};
    inputAssembly.sType = VK_STRUCTURE_TYPE_PIPELINE_INPUT_ASSEMBLY_STATE_CREATE_INFO;
    inputAssembly.topology = recipe.topology;
    const VkPipelineTessellationDomainOriginStateCreateInfo origin{
        VK_STRUCTURE_TYPE_PIPELINE_TESSELLATION_DOMAIN_ORIGIN_STATE_CREATE_INFO, nullptr,
        VK_TESSELLATION_DOMAIN_ORIGIN_UPPER_LEFT};
    const VkPipelineTessellationStateCreateInfo tessellation{
        VK_STRUCTURE_TYPE_PIPELINE_TESSELLATION_STATE_CREATE_INFO, &origin, 0,
        recipe.patchControlPoints};
    VkPipelineViewportStateCreateInfo viewport{};
    viewport.sType = VK_STRUCTURE_TYPE_PIPELINE_VIEWPORT_STATE_CREATE_INFO;
    viewport.viewportCount = ViewportSlots(*context);
    viewport.scissorCount = viewport.viewportCount;
    const VkPipelineMultisampleStateCreateInfo multisample = MultisampleState(recipe);
    VkPipelineColorBlendStateCreateInfo colorBlend{};
    colorBlend.sType = VK_STRUCTURE_TYPE_PIPELINE_COLOR_BLEND_STATE_CREATE_INFO;
    const std::array<VkPipelineColorBlendAttachmentState, 8> blends = BlendsFor(colorMask);
    colorBlend.attachmentCount = numRenderTargets;
    colorBlend.pAttachments = blends.data();
    const VkPipelineDynamicStateCreateInfo dynamic = DynamicState(recipe);
    std::array<VkFormat, 8> formats{};
    const VkPipelineRenderingCreateInfo rendering =
        RenderingFormats(*this, colorMask, withDepth, &formats);

    VkGraphicsPipelineCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_GRAPHICS_PIPELINE_CREATE_INFO;
    info.pNext = &rendering;
    info.stageCount = stageCount;
    info.pStages = stages;
    info.pVertexInputState = &vertexInput;
    info.pInputAssemblyState = &inputAssembly;
    // Direct3D's domain has (0, 0) at its upper left, and its windings are read there.
    info.pTessellationState = recipe.hullModule != VK_NULL_HANDLE ? &tessellation : nullptr;
    info.pViewportState = &viewport;
    info.pRasterizationState = &recipe.rasterization;
    info.pMultisampleState = &multisample;
    info.pDepthStencilState = &recipe.depthStencil;
    info.pColorBlendState = &colorBlend;
    info.pDynamicState = &dynamic;
    info.layout = rootSignature->layout;
    VkPipeline variant = VK_NULL_HANDLE;
    const bool made = pixelModule != VK_NULL_HANDLE || recipe.pixelModule == VK_NULL_HANDLE;
    if (made && !VK_CHECK(vkCreateGraphicsPipelines(context->device, VK_NULL_HANDLE, 1, &info,
                                                    nullptr, &variant))) {
        variant = VK_NULL_HANDLE;
    }
    if (pixelModule != recipe.pixelModule) {
        vkDestroyShaderModule(context->device, pixelModule, nullptr);
    }
    if (variant == VK_NULL_HANDLE) {
        return VK_NULL_HANDLE;
    }
    variants_.emplace(std::make_pair(colorMask, withDepth), variant);
    return variant;
}

} // namespace d3d12_standin
