// Function definitions inside a function's body, which glslang takes and
// Windows' parser refuses at the inner body's '{': what a function whose
// closing brace is missing does to the function after it.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,first-last): error X3000: syntax error: unexpected token
// '{'" for the first such body to `errors` and returns false; true when there
// is none. A structure's methods are no such bodies. Each structure's members
// (member_checks.h) and each declarator's dimensions (array_size_checks.h)
// are checked on the way, in the one walk over the tokens.
bool CheckNestedFunctions(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
