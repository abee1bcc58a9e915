// SV_ClipDistance and SV_CullDistance written by a domain shader, which
// glslang does not build for that stage ("clip/cull not currently implemented
// for this stage"). The text glslang compiles names them with semantics of
// the stand-in's own, so that they are plain outputs; the SPIR-V then makes
// each the ClipDistance or CullDistance built-in it stands for, as glslang
// builds them for the vertex and geometry stages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether `text` names SV_ClipDistance or SV_CullDistance, in any case: the
// cheap test in front of the rewrite.
bool NamesDistances(const std::string& text);

// `text` with each SV_ClipDistance and SV_CullDistance semantic, in any case,
// written with the stand-in's own name for it (its index kept).
std::string WithDistancesAsPlainOutputs(std::string text);

// The outputs the rewrite above named made the built-ins they stand for, the
// outputs of one built-in one array of floats, their components one after
// another, each whole store a store of each component; a lone array of floats
// kept. Each keeps the semantic the source wrote. Where an output is used
// otherwise than by stores and access chains, its built-in's outputs stay
// plain outputs. Leaves a module it cannot read as it is.
void MakeDistancesBuiltIn(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
