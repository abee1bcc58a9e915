// Hull and domain shaders in a graphics pipeline: what their SPIR-V declares
// about patches and the tessellator, and the debug layer's checks of them
// against each other, the topology type and a geometry shader's input.
#pragma once

#include "shader_stage.h"

#include <windows.h>

#include <d3d12.h>

#include <cstdint>
#include <string>
#include <vector>

namespace d3d12_standin {

// What a hull or domain shader's execution modes and interface say; 0 where
// the module does not tell.
struct PatchShape {
    uint32_t domain = 0;              // SPIR-V's Triangles, Quads or Isolines
    uint32_t outputControlPoints = 0; // a hull shader's [outputcontrolpoints]
    // The control points a hull shader reads per patch, or a domain shader's
    // OutputPatch size: the length of its per-control-point inputs. Lost where
    // the shader reads none of them.
    uint32_t patchInputs = 0;
    uint32_t geometryInput = 0; // a geometry shader's input primitive mode
    bool pointMode = false;     // a hull shader's [outputtopology("point")]
};

PatchShape ReadPatchShape(const std::vector<uint32_t>& spirv);

// A graphics pipeline's stages taken apart; those the description leaves out
// stay empty.
struct PipelineStages {
    ShaderStage vertex, hull, domain, geometry, pixel;
    PatchShape hullShape;
};

// The hull and domain stages of `desc`, checked against each other and linked
// vertex to hull to domain (per-control-point values and patch constants).
// False, with the debug layer's error printed, where Windows refuses them.
bool PrepareTessellationStages(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                               const RootSignatureLayout& rootSignature, PipelineStages* stages,
                               std::string* error);

// Whether a geometry shader's input primitive is lineadj or triangleadj.
bool ReadsAdjacency(const PatchShape& geometry);

// The primitives the tessellator hands on: points, lines of an isoline
// domain, or triangles.
D3D12_PRIMITIVE_TOPOLOGY_TYPE TessellatorOutput(const PatchShape& hull);

// The control points of each patch a pipeline with this hull shader draws:
// its input patch size, or, where it reads no control point, its output count.
uint32_t PatchControlPoints(const PatchShape& hull);

// The debug layer's checks of a description's shaders and topology type before
// any stage is taken apart: a hull shader without a domain shader or the
// other way round, PATCH without a hull shader, a hull shader with another
// type. False, with the layer's error printed and the reason in `error`.
bool CheckTessellationDescription(const D3D12_GRAPHICS_PIPELINE_STATE_DESC& desc,
                                  std::string* error);

// The checks that need the compiled stages: the two shaders' domains and
// control point counts. False as above.
bool CheckHullAgainstDomain(const PatchShape& hull, const PatchShape& domain, std::string* error);

// A geometry shader's input primitive against the topology type the
// primitives reach it in. False as above.
bool CheckGeometryInput(const PatchShape& geometry, D3D12_PRIMITIVE_TOPOLOGY_TYPE type,
                        std::string* error);

} // namespace d3d12_standin
