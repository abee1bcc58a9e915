#include "reference_pipeline.h"

#include "demo_scene_data.h"

#include <cstddef>
#include <vector>

namespace bench {
namespace {

VkShaderModule CreateModule(const Gpu& gpu, const std::vector<uint32_t>& code) {
    auto info = Described<VkShaderModuleCreateInfo>(VK_STRUCTURE_TYPE_SHADER_MODULE_CREATE_INFO);
    info.codeSize = code.size() * sizeof(uint32_t);
    info.pCode = code.data();
    VkShaderModule module = VK_NULL_HANDLE;
    REFERENCE_CHECK(vkCreateShaderModule(gpu.device, &info, nullptr, &module));
    return module;
}

} // namespace

Pipeline CreatePipeline(const Gpu& gpu, const ReferenceShaders& shaders, VkFormat colorFormat,
                        VkFormat depthFormat) {
    Pipeline out;
    VkDescriptorSetLayoutBinding binding{};
    binding.binding = 0;
    binding.descriptorType = VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER;
    binding.descriptorCount = 1;
    binding.stageFlags = VK_SHADER_STAGE_VERTEX_BIT | VK_SHADER_STAGE_FRAGMENT_BIT;
    auto setInfo = Described<VkDescriptorSetLayoutCreateInfo>(
        VK_STRUCTURE_TYPE_DESCRIPTOR_SET_LAYOUT_CREATE_INFO);
    setInfo.bindingCount = 1;
    setInfo.pBindings = &binding;
    REFERENCE_CHECK(vkCreateDescriptorSetLayout(gpu.device, &setInfo, nullptr, &out.setLayout));
    auto layoutInfo =
        Described<VkPipelineLayoutCreateInfo>(VK_STRUCTURE_TYPE_PIPELINE_LAYOUT_CREATE_INFO);
    layoutInfo.setLayoutCount = 1;
    layoutInfo.pSetLayouts = &out.setLayout;
    REFERENCE_CHECK(vkCreatePipelineLayout(gpu.device, &layoutInfo, nullptr, &out.layout));

    VkShaderModule vertex = CreateModule(gpu, shaders.vertex);
    VkShaderModule fragment = CreateModule(gpu, shaders.fragment);
    VkPipelineShaderStageCreateInfo stages[2] = {
        Described<VkPipelineShaderStageCreateInfo>(
            VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO),
        Described<VkPipelineShaderStageCreateInfo>(
            VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO)};
    stages[0].stage = VK_SHADER_STAGE_VERTEX_BIT;
    stages[0].module = vertex;
    stages[0].pName = "main";
    stages[1].stage = VK_SHADER_STAGE_FRAGMENT_BIT;
    stages[1].module = fragment;
    stages[1].pName = "main";

    VkVertexInputBindingDescription vertexBinding{0, sizeof(CubeVertex),
                                                  VK_VERTEX_INPUT_RATE_VERTEX};
    VkVertexInputAttributeDescription attributes[4] = {
        {0, 0, VK_FORMAT_R32G32B32_SFLOAT, uint32_t(offsetof(CubeVertex, pos))},
        {1, 0, VK_FORMAT_R32G32B32_SFLOAT, uint32_t(offsetof(CubeVertex, normal))},
        {2, 0, VK_FORMAT_R32G32_SFLOAT, uint32_t(offsetof(CubeVertex, uv))},
        {3, 0, VK_FORMAT_R32G32B32A32_SFLOAT, uint32_t(offsetof(CubeVertex, color))}};
    auto vertexInput = Described<VkPipelineVertexInputStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_VERTEX_INPUT_STATE_CREATE_INFO);
    vertexInput.vertexBindingDescriptionCount = 1;
    vertexInput.pVertexBindingDescriptions = &vertexBinding;
    vertexInput.vertexAttributeDescriptionCount = 4;
    vertexInput.pVertexAttributeDescriptions = attributes;

    auto assembly = Described<VkPipelineInputAssemblyStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_INPUT_ASSEMBLY_STATE_CREATE_INFO);
    assembly.topology = VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    auto viewport = Described<VkPipelineViewportStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_VIEWPORT_STATE_CREATE_INFO);
    viewport.viewportCount = 1;
    viewport.scissorCount = 1;
    // The viewport is flipped (negative height) so that the Direct3D-style
    // projection and clockwise front faces work unchanged.
    auto raster = Described<VkPipelineRasterizationStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_RASTERIZATION_STATE_CREATE_INFO);
    raster.polygonMode = VK_POLYGON_MODE_FILL;
    raster.cullMode = VK_CULL_MODE_BACK_BIT;
    raster.frontFace = VK_FRONT_FACE_CLOCKWISE;
    raster.lineWidth = 1.0f;
    auto multisample = Described<VkPipelineMultisampleStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_MULTISAMPLE_STATE_CREATE_INFO);
    multisample.rasterizationSamples = VK_SAMPLE_COUNT_1_BIT;
    auto depth = Described<VkPipelineDepthStencilStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_DEPTH_STENCIL_STATE_CREATE_INFO);
    depth.depthTestEnable = VK_TRUE;
    depth.depthWriteEnable = VK_TRUE;
    // The program's depth test: each instance's second, coinciding cube passes it.
    depth.depthCompareOp = VK_COMPARE_OP_LESS_OR_EQUAL;
    VkPipelineColorBlendAttachmentState blendTarget{};
    blendTarget.colorWriteMask = VK_COLOR_COMPONENT_R_BIT | VK_COLOR_COMPONENT_G_BIT |
                                 VK_COLOR_COMPONENT_B_BIT | VK_COLOR_COMPONENT_A_BIT;
    auto blend = Described<VkPipelineColorBlendStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_COLOR_BLEND_STATE_CREATE_INFO);
    blend.attachmentCount = 1;
    blend.pAttachments = &blendTarget;
    VkDynamicState dynamicStates[2] = {VK_DYNAMIC_STATE_VIEWPORT, VK_DYNAMIC_STATE_SCISSOR};
    auto dynamic = Described<VkPipelineDynamicStateCreateInfo>(
        VK_STRUCTURE_TYPE_PIPELINE_DYNAMIC_STATE_CREATE_INFO);
    dynamic.dynamicStateCount = 2;
    dynamic.pDynamicStates = dynamicStates;
    auto rendering =
        Described<VkPipelineRenderingCreateInfo>(VK_STRUCTURE_TYPE_PIPELINE_RENDERING_CREATE_INFO);
    rendering.colorAttachmentCount = 1;
    rendering.pColorAttachmentFormats = &colorFormat;
    rendering.depthAttachmentFormat = depthFormat;

    auto info =
        Described<VkGraphicsPipelineCreateInfo>(VK_STRUCTURE_TYPE_GRAPHICS_PIPELINE_CREATE_INFO);
    info.pNext = &rendering;
    info.stageCount = 2;
    info.pStages = stages;
    info.pVertexInputState = &vertexInput;
    info.pInputAssemblyState = &assembly;
    info.pViewportState = &viewport;
    info.pRasterizationState = &raster;
    info.pMultisampleState = &multisample;
    info.pDepthStencilState = &depth;
    info.pColorBlendState = &blend;
    info.pDynamicState = &dynamic;
    info.layout = out.layout;
    REFERENCE_CHECK(
        vkCreateGraphicsPipelines(gpu.device, VK_NULL_HANDLE, 1, &info, nullptr, &out.pipeline));
    vkDestroyShaderModule(gpu.device, vertex, nullptr);
    vkDestroyShaderModule(gpu.device, fragment, nullptr);
    return out;
}

void DestroyPipeline(const Gpu& gpu, Pipeline* pipeline) {
    vkDestroyPipeline(gpu.device, pipeline->pipeline, nullptr);
    vkDestroyPipelineLayout(gpu.device, pipeline->layout, nullptr);
    vkDestroyDescriptorSetLayout(gpu.device, pipeline->setLayout, nullptr);
    *pipeline = Pipeline{};
}

} // namespace bench
