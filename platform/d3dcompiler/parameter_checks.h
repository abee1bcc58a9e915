// Checks on function parameters and the arguments calls give them that
// glslang words differently or lets through: a parameter without a default
// value after one with it (X3044), a literal given to an out or inout
// parameter (X3025), a call with more or fewer arguments than any
// definition of the function takes (X3013), and a scalar or vector given to
// an array parameter (X3017).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X....: ..." line per problem to `errors`.
void CheckParameters(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
