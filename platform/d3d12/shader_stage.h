// One compiled shader taken apart: SPIR-V with its bindings moved to the root
// signature's layout, the entry point, and the input/output signatures.
#pragma once

#include "root_signature_layout.h"

#include <signature.h>

#include <windows.h>

#include <d3d12.h>

#include <string>
#include <vector>

namespace d3d12_standin {

struct ShaderStage {
    std::vector<uint32_t> spirv;
    std::string entryPoint;
    std::vector<dxbc::SignatureElement> inputs;
    std::vector<dxbc::SignatureElement> outputs;
    bool hasOutputSignature = false;
};

// The root signature a compiled shader carries, or an empty vector.
std::vector<uint8_t> EmbeddedRootSignature(const D3D12_SHADER_BYTECODE& code);

// The stage as the debug layer names it: "Vertex Shader", "Domain Shader", ...
const char* StageTitle(VkShaderStageFlagBits stage);

// Direct3D 12's check of one stage's outputs against the next stage's inputs
// (vertex to pixel, vertex to geometry, geometry to pixel) at pipeline
// creation. Registers follow declaration order
// (the compiler numbers user values that way), so each input of the later stage
// must be written by the earlier one under the same semantic, in the same
// register, with the same component type and within its mask, and what it
// always reads not marked never written. False, with
// the debug layer's error printed, where Direct3D 12 refuses the pipeline with
// E_INVALIDARG. Inputs the pixel shader never reads are not in its signature
// and go unchecked.
bool CheckStageLinkage(const ShaderStage& upstream, VkShaderStageFlagBits upstreamStage,
                       const ShaderStage& downstream, VkShaderStageFlagBits downstreamStage,
                       std::string* error);

bool PrepareShaderStage(const D3D12_SHADER_BYTECODE& code, VkShaderStageFlagBits stage,
                        const RootSignatureLayout& layout, ShaderStage* out, std::string* error);

} // namespace d3d12_standin
