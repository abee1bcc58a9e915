// What shader model 5.0 wants as literals in resource access, where the
// source gives a value the draw or the program sets: an index into an array
// of resources or samplers (X3512, "sampler array index must be a literal
// expression"; dynamic indexing comes with 5.1), and a texture offset, which
// must also lie in -8 to 7 (X4566). fxc's words as DirectXShaderCompiler
// issues 592 and 2713 quote them. glslang took both.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,first-last): error X....: ..." line per problem to `errors`.
void CheckResourceLiterals(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
