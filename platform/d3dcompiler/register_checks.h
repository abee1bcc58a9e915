// Checks on register() bindings that glslang lets through and the Windows
// compilers refuse: a register of the wrong class for the declared type, and
// one declaration bound to two registers.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether a declared type names a resource or sampler object (Texture2D,
// RWBuffer, SamplerState, ...), which a t, u or s register binds.
bool IsResourceType(const std::string& type);

// Appends one "file(line,col): error X....: ..." line per problem to `errors`.
void CheckRegisterBindings(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
