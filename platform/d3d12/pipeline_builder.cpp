#include "format_channels.h"
#include "format_table.h"
#include "multisample_rules.h"
#include "pipeline_object.h"
#include "point_size_spirv.h"
#include "snorm_spirv.h"
#include "shader_stage.h"
#include "state_translation.h"
#include "stream_output.h"
#include "tessellation_stages.h"

#include <debug_messages.h>
#include <spirv_instance_index.h>
#include <vulkan_check.h>

#include <strings.h>

namespace d3d12_standin {
namespace {

VkStencilOpState StencilFace(const D3D12_DEPTH_STENCILOP_DESC& face, UINT8 readMask,
                             UINT8 writeMask) {
    VkStencilOpState state{};
    state.failOp = StencilOp(face.StencilFailOp);
    state.passOp = StencilOp(face.StencilPassOp);
    state.depthFailOp = StencilOp(face.StencilDepthFailOp);
    state.compareOp = CompareOp(face.StencilFunc);
    state.compareMask = readMask;
    state.writeMask = writeMask;
    return state;
}

bool HasCode(const D3D12_SHADER_BYTECODE& code) {
    return code.pShaderBytecode != nullptr && code.BytecodeLength > 0;
}

bool IsTargetOutput(const dxbc::SignatureElement& element) {
    return strncasecmp(element.semanticName.c_str(), "SV_Target", 9) == 0;
}

// Vertex attributes for the inputs the shader reads, matched by semantic.
bool BuildVertexInput(const D3D12_INPUT_LAYOUT_DESC& layout, const ShaderStage& vertex,
                      std::vector<VkVertexInputAttributeDescription>* attributes,
                      std::vector<VkVertexInputBindingDescription>* bindings,
                      PipelineObject* pipeline, std::string* error) {
    if (layout.NumElements > 0 && layout.pInputElementDescs == nullptr) {
        *error = "InputLayout has elements but no element array";
        return false;
    }
    std::vector<uint32_t> offsets(layout.NumElements);
    uint32_t slotEnd[D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT] = {};
    for (UINT i = 0; i < layout.NumElements; ++i) {
        const D3D12_INPUT_ELEMENT_DESC& element = layout.pInputElementDescs[i];
        const FormatInfo* format = FindFormat(element.Format);
        if (element.InputSlot >= D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT) {
            *error = "input element " + std::to_string(i) + " uses an input slot above 31";
            return false;
        }
        uint32_t size = format != nullptr ? format->bytesPerBlock : 4;
        uint32_t alignment = size < 4 ? size : 4;
        uint32_t offset = element.AlignedByteOffset;
        if (offset == D3D12_APPEND_ALIGNED_ELEMENT) {
            offset = (slotEnd[element.InputSlot] + alignment - 1) / alignment * alignment;
        }
        offsets[i] = offset;
        slotEnd[element.InputSlot] = offset + size;
    }
    bool slotUsed[D3D12_IA_VERTEX_INPUT_RESOURCE_SLOT_COUNT] = {};
    for (const dxbc::SignatureElement& input : vertex.inputs) {
        if (input.systemValue != 0) {
            continue; // SV_VertexID, SV_InstanceID: built-ins, nothing is fetched
        }
        const D3D12_INPUT_ELEMENT_DESC* match = nullptr;
        UINT matchIndex = 0;
        for (UINT i = 0; i < layout.NumElements && match == nullptr; ++i) {
            const D3D12_INPUT_ELEMENT_DESC& element = layout.pInputElementDescs[i];
            if (element.SemanticName != nullptr &&
                strcasecmp(element.SemanticName, input.semanticName.c_str()) == 0 &&
                element.SemanticIndex == input.semanticIndex) {
                match = &element;
                matchIndex = i;
            }
        }
        if (match == nullptr) {
            *error = "the vertex shader reads " + input.semanticName +
                     std::to_string(input.semanticIndex) + ", which the input layout lacks";
            return false;
        }
        const FormatInfo* format = FindFormat(match->Format);
        if (format == nullptr || !HasUse(*format, kUseVertex)) {
            *error = "input element " + std::string(match->SemanticName) +
                     " has a format vertex buffers cannot hold";
            return false;
        }
        bool perInstance = match->InputSlotClass == D3D12_INPUT_CLASSIFICATION_PER_INSTANCE_DATA;
        if (perInstance && match->InstanceDataStepRate != 1) {
            *error = "instance data step rates other than 1 are not supported";
            return false;
        }
        attributes->push_back(
            {input.registerIndex, match->InputSlot, format->vulkan, offsets[matchIndex]});
        if (!slotUsed[match->InputSlot]) {
            slotUsed[match->InputSlot] = true;
            pipeline->perInstanceSlot[match->InputSlot] = perInstance;
            pipeline->vertexSlots.push_back(match->InputSlot);
            // The stride is dynamic state: IASetVertexBuffers supplies it.
            bindings->push_back(
                {match->InputSlot, 0,
                 perInstance ? VK_VERTEX_INPUT_RATE_INSTANCE : VK_VERTEX_INPUT_RATE_VERTEX});
        }
    }
    return true;
}

// Windows builds a pipeline whose pixel shader writes targets the description
// leaves out (those writes are dropped), and its debug layer warns.
void WarnAboutUnboundTargets(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                             const ShaderStage& pixel) {
    for (const dxbc::SignatureElement& output : pixel.outputs) {
        if (!IsTargetOutput(output)) {
            continue;
        }
        const uint32_t slot = output.semanticIndex;
        if (slot >= desc.NumRenderTargets || desc.RTVFormats[slot] == DXGI_FORMAT_UNKNOWN) {
            standin::ReportWindows(
                standin::messages::CREATEGRAPHICSPIPELINESTATE_RENDERTARGETVIEW_NOT_SET, nullptr,
                "ID3D12Device::CreateGraphicsPipelineState", slot);
        }
    }
}

bool CheckTargets(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc, const ShaderStage* pixel,
                  PipelineObject* pipeline, std::string* error) {
    if (desc.NumRenderTargets > 8) {
        *error = "NumRenderTargets is above 8";
        return false;
    }
    pipeline->numRenderTargets = desc.NumRenderTargets;
    for (UINT i = 0; i < desc.NumRenderTargets; ++i) {
        if (desc.RTVFormats[i] == DXGI_FORMAT_UNKNOWN) {
            pipeline->colorFormats[i] = VK_FORMAT_UNDEFINED;
            continue;
        }
        const FormatInfo* format = FindFormat(desc.RTVFormats[i]);
        if (format == nullptr || !HasUse(*format, kUseRender)) {
            *error = "RTVFormats[" + std::to_string(i) + "] is not a render-target format";
            return false;
        }
        pipeline->colorFormats[i] = format->vulkan;
    }
    if (desc.DSVFormat != DXGI_FORMAT_UNKNOWN) {
        const FormatInfo* format = FindFormat(desc.DSVFormat);
        if (format == nullptr || !IsDepthFormat(*format)) {
            *error = "DSVFormat is not a depth format";
            return false;
        }
        pipeline->depthFormat = format->vulkan;
    }
    if (pixel != nullptr && pixel->hasOutputSignature) {
        WarnAboutUnboundTargets(desc, *pixel);
    }
    return true;
}

// What the stand-in cannot build at all, refused before anything is made.
bool CheckStagesSupported(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                          const vk_core::VulkanContext& context, std::string* error) {
    if (!HasCode(desc.VS)) {
        *error = "no vertex shader";
        return false;
    }
    if (HasCode(desc.GS) && !context.features.geometryShader) {
        *error = "the device runs no geometry shaders";
        return false;
    }
    if (HasCode(desc.HS) && !context.features.tessellationShader) {
        *error = "the device runs no hull and domain shaders";
        return false;
    }
    return CheckTessellationDescription(desc, error);
}

// Without a root signature, the one compiled into the shaders is used.
bool ResolveRootSignature(const std::shared_ptr<vk_core::VulkanContext>& context,
                          const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                          std::shared_ptr<RootSignatureLayout>* rootSignature, std::string* error) {
    if (*rootSignature != nullptr) {
        return true;
    }
    std::vector<uint8_t> embedded;
    for (const D3D12_SHADER_BYTECODE* code : {&desc.VS, &desc.HS, &desc.DS, &desc.GS, &desc.PS}) {
        if (embedded.empty()) {
            embedded = EmbeddedRootSignature(*code);
        }
    }
    if (embedded.empty()) {
        *error = "no root signature, and none is compiled into the shaders";
        return false;
    }
    *rootSignature = RootSignatureLayout::Create(context, embedded.data(), embedded.size(), error);
    return *rootSignature != nullptr;
}

bool CheckRasterSetup(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc, VkPrimitiveTopology* topology,
                      std::string* error) {
    if (desc.RasterizerState.FillMode != D3D12_FILL_MODE_SOLID) {
        *error = "only D3D12_FILL_MODE_SOLID is supported";
        return false;
    }
    if (desc.IBStripCutValue > D3D12_INDEX_BUFFER_STRIP_CUT_VALUE_0xFFFFFFFF) {
        *error = "IBStripCutValue must be DISABLED, 0xFFFF or 0xFFFFFFFF";
        return false;
    }
    *topology = InitialTopology(desc.PrimitiveTopologyType);
    if (*topology == VK_PRIMITIVE_TOPOLOGY_MAX_ENUM) {
        *error = "PrimitiveTopologyType must be POINT, LINE, TRIANGLE or PATCH";
        return false;
    }
    return true;
}

// The render targets (bit i: target i) in SNORM formats.
uint32_t SnormTargets(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc) {
    uint32_t targets = 0;
    for (UINT i = 0; i < desc.NumRenderTargets && i < 8; ++i) {
        Layout layout;
        if (ReadLayout(desc.RTVFormats[i], &layout) && layout.type == ChannelType::Snorm) {
            targets |= 1u << i;
        }
    }
    return targets;
}

// The locations of the vertex attributes read from SNORM elements.
uint32_t SnormAttributes(const std::vector<VkVertexInputAttributeDescription>& attributes) {
    uint32_t locations = 0;
    for (const VkVertexInputAttributeDescription& attribute : attributes) {
        switch (attribute.format) {
        case VK_FORMAT_R8_SNORM:
        case VK_FORMAT_R8G8_SNORM:
        case VK_FORMAT_R8G8B8A8_SNORM:
        case VK_FORMAT_R16_SNORM:
        case VK_FORMAT_R16G16_SNORM:
        case VK_FORMAT_R16G16B16A16_SNORM:
            locations |= attribute.location < 32 ? 1u << attribute.location : 0;
            break;
        default:
            break;
        }
    }
    return locations;
}

// The vertex stage, and the hull, domain, geometry and pixel stages where
// there are, each checked against the stage before it the way the runtime
// links them.
bool PrepareStages(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                   const RootSignatureLayout& rootSignature, PipelineStages* stages,
                   std::string* error) {
    if (!PrepareShaderStage(desc.VS, VK_SHADER_STAGE_VERTEX_BIT, rootSignature, &stages->vertex,
                            error)) {
        return false;
    }
    const ShaderStage* last = &stages->vertex;
    VkShaderStageFlagBits lastStage = VK_SHADER_STAGE_VERTEX_BIT;
    if (HasCode(desc.HS)) {
        if (!PrepareTessellationStages(desc, rootSignature, stages, error)) {
            return false;
        }
        last = &stages->domain;
        lastStage = VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT;
    }
    if (HasCode(desc.GS)) {
        const D3D12_PRIMITIVE_TOPOLOGY_TYPE reaching =
            HasCode(desc.HS) ? TessellatorOutput(stages->hullShape) : desc.PrimitiveTopologyType;
        if (!PrepareShaderStage(desc.GS, VK_SHADER_STAGE_GEOMETRY_BIT, rootSignature,
                                &stages->geometry, error) ||
            !CheckGeometryInput(ReadPatchShape(stages->geometry.spirv), reaching, error) ||
            !CheckStageLinkage(*last, lastStage, stages->geometry, VK_SHADER_STAGE_GEOMETRY_BIT,
                               error)) {
            return false;
        }
        last = &stages->geometry;
        lastStage = VK_SHADER_STAGE_GEOMETRY_BIT;
    }
    return !HasCode(desc.PS) || (PrepareShaderStage(desc.PS, VK_SHADER_STAGE_FRAGMENT_BIT,
                                                    rootSignature, &stages->pixel, error) &&
                                 CheckStageLinkage(*last, lastStage, stages->pixel,
                                                   VK_SHADER_STAGE_FRAGMENT_BIT, error));
}

void TranslateRasterizer(const D3D12_RASTERIZER_DESC& raster, const vk_core::VulkanContext& context,
                         VkPipelineRasterizationStateCreateInfo* rasterization) {
    rasterization->sType = VK_STRUCTURE_TYPE_PIPELINE_RASTERIZATION_STATE_CREATE_INFO;
    rasterization->depthClampEnable = !raster.DepthClipEnable && context.features.depthClamp;
    rasterization->polygonMode = VK_POLYGON_MODE_FILL;
    rasterization->cullMode = raster.CullMode == D3D12_CULL_MODE_FRONT  ? VK_CULL_MODE_FRONT_BIT
                              : raster.CullMode == D3D12_CULL_MODE_BACK ? VK_CULL_MODE_BACK_BIT
                                                                        : VK_CULL_MODE_NONE;
    // Facing is decided in framebuffer space, which the negative-height
    // viewport makes the same as the screen: no flip of the winding needed.
    rasterization->frontFace =
        raster.FrontCounterClockwise ? VK_FRONT_FACE_COUNTER_CLOCKWISE : VK_FRONT_FACE_CLOCKWISE;
    rasterization->depthBiasEnable =
        raster.DepthBias != 0 || raster.SlopeScaledDepthBias != 0.0f ? VK_TRUE : VK_FALSE;
    rasterization->depthBiasConstantFactor = float(raster.DepthBias);
    rasterization->depthBiasClamp = raster.DepthBiasClamp;
    rasterization->depthBiasSlopeFactor = raster.SlopeScaledDepthBias;
    rasterization->lineWidth = 1.0f;
}

void TranslateDepthStencil(const D3D12_DEPTH_STENCIL_DESC& depth,
                           VkPipelineDepthStencilStateCreateInfo* depthStencil) {
    depthStencil->sType = VK_STRUCTURE_TYPE_PIPELINE_DEPTH_STENCIL_STATE_CREATE_INFO;
    depthStencil->depthTestEnable = depth.DepthEnable ? VK_TRUE : VK_FALSE;
    depthStencil->depthWriteEnable =
        depth.DepthEnable && depth.DepthWriteMask == D3D12_DEPTH_WRITE_MASK_ALL ? VK_TRUE
                                                                                : VK_FALSE;
    depthStencil->depthCompareOp = CompareOp(depth.DepthFunc);
    depthStencil->stencilTestEnable = depth.StencilEnable ? VK_TRUE : VK_FALSE;
    depthStencil->front =
        StencilFace(depth.FrontFace, depth.StencilReadMask, depth.StencilWriteMask);
    depthStencil->back = StencilFace(depth.BackFace, depth.StencilReadMask, depth.StencilWriteMask);
    depthStencil->maxDepthBounds = 1.0f;
}

void TranslateBlends(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                     const vk_core::VulkanContext& context, PipelineRecipe* recipe) {
    for (UINT i = 0; i < desc.NumRenderTargets; ++i) {
        bool independent =
            desc.BlendState.IndependentBlendEnable && context.features.independentBlend;
        const D3D12_RENDER_TARGET_BLEND_DESC& target =
            desc.BlendState.RenderTarget[independent ? i : 0];
        VkPipelineColorBlendAttachmentState& blend = recipe->blends[i];
        blend.blendEnable = target.BlendEnable ? VK_TRUE : VK_FALSE;
        blend.srcColorBlendFactor = BlendFactor(target.SrcBlend);
        blend.dstColorBlendFactor = BlendFactor(target.DestBlend);
        blend.colorBlendOp = BlendOp(target.BlendOp);
        blend.srcAlphaBlendFactor = BlendFactor(target.SrcBlendAlpha);
        blend.dstAlphaBlendFactor = BlendFactor(target.DestBlendAlpha);
        blend.alphaBlendOp = BlendOp(target.BlendOpAlpha);
        // Without a pixel shader nothing is written to the colour targets, as
        // on Windows; Vulkan would leave what it writes undefined.
        blend.colorWriteMask = HasCode(desc.PS) ? target.RenderTargetWriteMask & 0xF : 0;
    }
}

// The recipe every variant of the pipeline is made from: modules, vertex
// input and the fixed-function states.
void WriteRecipe(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                 const vk_core::VulkanContext& context, const PipelineStages& stages,
                 VkPrimitiveTopology topology,
                 std::vector<VkVertexInputAttributeDescription> attributes,
                 std::vector<VkVertexInputBindingDescription> bindings, PipelineRecipe* recipe) {
    VkDevice device = context.device;
    const std::vector<uint32_t>& vertex = stages.vertex.spirv;
    recipe->vertexModule = MakeShaderModule(
        device, context.features.drawParameters ? dxbc::WithInstanceIndexFromZero(vertex) : vertex);
    if (HasCode(desc.GS)) {
        recipe->geometryModule = MakeShaderModule(device, stages.geometry.spirv);
    }
    if (HasCode(desc.HS)) {
        recipe->hullModule = MakeShaderModule(device, stages.hull.spirv);
        recipe->domainModule = MakeShaderModule(device, stages.domain.spirv);
        recipe->patchControlPoints = PatchControlPoints(stages.hullShape);
    }
    if (HasCode(desc.PS)) {
        recipe->pixelModule = MakeShaderModule(device, stages.pixel.spirv);
        recipe->pixelSpirv = stages.pixel.spirv;
    }
    recipe->vertexEntry = stages.vertex.entryPoint;
    recipe->geometryEntry = stages.geometry.entryPoint;
    recipe->hullEntry = stages.hull.entryPoint;
    recipe->domainEntry = stages.domain.entryPoint;
    recipe->pixelEntry = stages.pixel.entryPoint;
    recipe->attributes = std::move(attributes);
    recipe->bindings = std::move(bindings);
    recipe->topology = topology;
    TranslateRasterizer(desc.RasterizerState, context, &recipe->rasterization);
    recipe->sampleMask = desc.SampleMask;
    recipe->samples = SampleCountBit(desc.SampleDesc.Count);
    recipe->alphaToCoverage = desc.BlendState.AlphaToCoverageEnable ? VK_TRUE : VK_FALSE;
    TranslateDepthStencil(desc.DepthStencilState, &recipe->depthStencil);
    TranslateBlends(desc, context, recipe);
    if (const FormatInfo* depthInfo = FindFormat(desc.DSVFormat)) {
        recipe->hasStencil = (depthInfo->aspect & VK_IMAGE_ASPECT_STENCIL_BIT) != 0;
    }
}

// The variant with every target the description names, made at creation so
// that a pipeline Vulkan refuses fails CreateGraphicsPipelineState.
bool MakeFullVariant(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc, PipelineObject* pipeline) {
    const PipelineRecipe& recipe = pipeline->recipe;
    if (recipe.vertexModule == VK_NULL_HANDLE ||
        (HasCode(desc.GS) && recipe.geometryModule == VK_NULL_HANDLE) ||
        (HasCode(desc.HS) &&
         (recipe.hullModule == VK_NULL_HANDLE || recipe.domainModule == VK_NULL_HANDLE)) ||
        (HasCode(desc.PS) && recipe.pixelModule == VK_NULL_HANDLE)) {
        return false;
    }
    pipeline->pipeline =
        pipeline->Variant(pipeline->NamedTargets(), pipeline->depthFormat != VK_FORMAT_UNDEFINED);
    return pipeline->pipeline != VK_NULL_HANDLE;
}

// The stage whose outputs reach the rasteriser and stream output.
ShaderStage* LastStageBeforeRasteriser(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                                       PipelineStages* stages, VkShaderStageFlagBits* stage) {
    if (HasCode(desc.GS)) {
        *stage = VK_SHADER_STAGE_GEOMETRY_BIT;
        return &stages->geometry;
    }
    if (HasCode(desc.DS)) {
        *stage = VK_SHADER_STAGE_TESSELLATION_EVALUATION_BIT;
        return &stages->domain;
    }
    *stage = VK_SHADER_STAGE_VERTEX_BIT;
    return &stages->vertex;
}

} // namespace

HRESULT BuildPipeline(std::shared_ptr<vk_core::VulkanContext> context,
                      const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                      std::shared_ptr<RootSignatureLayout> rootSignature,
                      std::shared_ptr<PipelineObject>* out, std::string* error) {
    VkPrimitiveTopology topology = VK_PRIMITIVE_TOPOLOGY_MAX_ENUM;
    if (!CheckStagesSupported(desc, *context, error) ||
        !ResolveRootSignature(context, desc, &rootSignature, error) ||
        !CheckRasterSetup(desc, &topology, error)) {
        return E_INVALIDARG;
    }
    if (const char* refusal = PipelineSampleRefusal(*context, desc)) {
        *error = refusal;
        return E_INVALIDARG;
    }
    PipelineStages stages;
    StreamOutputPlan streamOutput;
    const bool geometry = HasCode(desc.GS);
    VkShaderStageFlagBits lastStage = VK_SHADER_STAGE_VERTEX_BIT;
    ShaderStage* last = LastStageBeforeRasteriser(desc, &stages, &lastStage);
    if (!PrepareStages(desc, *rootSignature, &stages, error) ||
        !PrepareStreamOutput(desc, *context, last, lastStage, &streamOutput, error)) {
        return E_INVALIDARG;
    }
    if (!geometry && desc.PrimitiveTopologyType == D3D12_PRIMITIVE_TOPOLOGY_TYPE_POINT) {
        stages.vertex.spirv = WithPointSizeOne(stages.vertex.spirv);
    }
    if (HasCode(desc.PS)) {
        stages.pixel.spirv = WithSnormOutputsSaturated(stages.pixel.spirv, SnormTargets(desc));
    }
    auto pipeline = std::make_shared<PipelineObject>(context);
    pipeline->rootSignature = rootSignature;
    pipeline->topologyType = desc.PrimitiveTopologyType;
    pipeline->geometryReadsAdjacency =
        HasCode(desc.GS) && ReadsAdjacency(ReadPatchShape(stages.geometry.spirv));
    pipeline->stripCut = desc.IBStripCutValue;
    std::vector<VkVertexInputAttributeDescription> attributes;
    std::vector<VkVertexInputBindingDescription> bindings;
    if (!BuildVertexInput(desc.InputLayout, stages.vertex, &attributes, &bindings, pipeline.get(),
                          error) ||
        !CheckTargets(desc, HasCode(desc.PS) ? &stages.pixel : nullptr, pipeline.get(), error)) {
        return E_INVALIDARG;
    }
    stages.vertex.spirv = WithSnormInputsClamped(stages.vertex.spirv, SnormAttributes(attributes));
    WriteRecipe(desc, *context, stages, topology, std::move(attributes), std::move(bindings),
                &pipeline->recipe);
    pipeline->streamOutput = !streamOutput.captures.empty();
    for (const StreamOutputCapture& capture : streamOutput.captures) {
        pipeline->streamOutputStrides[capture.slot] = streamOutput.strides[capture.slot];
    }
    // Only stream 0 reaches the rasteriser: another, or none, draws nothing.
    pipeline->recipe.rasterization.rasterizerDiscardEnable =
        pipeline->streamOutput && streamOutput.rasterizedStream != 0;
    if (!MakeFullVariant(desc, pipeline.get())) {
        *error = "the Vulkan pipeline could not be created";
        return E_FAIL;
    }
    *out = std::move(pipeline);
    return S_OK;
}

} // namespace d3d12_standin
