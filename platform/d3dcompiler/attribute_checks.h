// Checks on the arguments of attributes ("[unroll(4)]", "[domain(\"quad\")]")
// that glslang lets through or words differently from the Windows compiler:
// empty parentheses and negative unroll counts.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X....: ..." line per problem to `errors`.
void CheckAttributeArguments(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
