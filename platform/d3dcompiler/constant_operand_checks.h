// Places where Windows' compiler wants a constant and glslang, given a
// variable or an unknown name, crashes instead of refusing: a case label
// naming a variable, and [numthreads] naming an undeclared identifier.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error ...: ..." line per problem to `errors`.
void CheckConstantOperands(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
