// Stream output: a pipeline's D3D12_STREAM_OUTPUT_DESC checked against the
// output signature of its last stage before the rasteriser, and written into
// that stage's SPIR-V as transform feedback.
#pragma once

#include "shader_stage.h"

#include <windows.h>

#include <d3d12.h>

#include <array>
#include <string>
#include <vector>

namespace d3d12_standin {

// One declaration entry that writes data: `componentCount` components from
// `firstComponent` of the output in `location` (or the position built-in),
// written at `offset` bytes into each vertex of buffer `slot`.
struct StreamOutputCapture {
    uint32_t stream = 0;
    bool position = false; // SV_Position rather than a user output
    uint32_t location = 0;
    uint32_t firstComponent = 0; // within the output's own components
    uint32_t componentCount = 0;
    uint32_t slot = 0;
    uint32_t offset = 0;
};

struct StreamOutputPlan {
    std::vector<StreamOutputCapture> captures;
    std::array<uint32_t, D3D12_SO_BUFFER_SLOT_COUNT> strides{};
    uint32_t rasterizedStream = 0; // D3D12_SO_NO_RASTERIZED_STREAM: nothing is drawn
};

// The debug layer's checks of `desc` against `last` (the vertex, domain or
// geometry shader, as `lastStage` says): false, with the message printed and the reason in `error`,
// where Direct3D 12 refuses the pipeline.
bool PlanStreamOutput(const D3D12_STREAM_OUTPUT_DESC& desc, const ShaderStage& last,
                      VkShaderStageFlagBits lastStage, StreamOutputPlan* plan, std::string* error);

// Adds to `spirv` (the last stage's module) one output variable per capture,
// with its transform feedback buffer, stride and offset, each written from the
// output it copies wherever the stage ends a vertex. False where the module
// has no such output or is not one the rewrite understands.
bool AddStreamOutput(std::vector<uint32_t>* spirv, const StreamOutputPlan& plan,
                     VkShaderStageFlagBits stage, std::string* error);

// The whole of a pipeline's stream output: nothing where the description
// declares none; otherwise the device's support, the plan, and `last`'s
// SPIR-V rewritten. False where the pipeline is refused.
bool PrepareStreamOutput(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                         const vk_core::VulkanContext& context, ShaderStage* last,
                         VkShaderStageFlagBits lastStage, StreamOutputPlan* plan,
                         std::string* error);

} // namespace d3d12_standin
