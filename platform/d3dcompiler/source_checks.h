// Checks on the preprocessed source for what glslang accepts but the Windows
// compilers refuse: register numbers past the binding range of their class,
// and, for shader model 5 targets, language features that fxc lacks.
#pragma once

#include "hlsl_tokens.h"
#include "shader_target.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// False with one "file(line): error: ..." line per problem in `errors`.
bool CheckSource(const std::vector<HlslToken>& tokens, const ShaderTarget& target,
                 std::string* errors);

} // namespace d3dcompiler_standin
