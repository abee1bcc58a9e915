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

// Each output the rewrite above named made the built-in it stands for: its
// float or float vector an array of as many floats, each whole store a store
// of every component; the semantic given back. An output used otherwise than
// by stores and access chains, or a second output of one built-in, is left as
// it is. Leaves a module it cannot read as it is.
void MakeDistancesBuiltIn(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
