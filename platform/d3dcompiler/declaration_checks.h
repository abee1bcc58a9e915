// Checks on declarations that glslang lets through and the Windows compilers
// refuse: storage classes and modifiers, initialisers that a declaration needs,
// and arrays whose size only an initialiser can give.
#pragma once

#include "hlsl_tokens.h"
#include "shader_target.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X....: ..." line per problem to `errors`.
void CheckDeclarations(const std::vector<HlslToken>& tokens, const ShaderTarget& target,
                       std::string* errors);

} // namespace d3dcompiler_standin
