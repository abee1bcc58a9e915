// Checks on functions and the statements inside them that glslang lets
// through and the Windows compilers refuse: an attribute given twice, loop
// attributes that contradict each other, and integer constants divided by zero.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error ...: ..." line per problem to `errors`.
void CheckStatements(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
