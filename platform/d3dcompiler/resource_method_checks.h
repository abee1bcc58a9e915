// Calls of a resource's Load whose location has fewer components than the
// resource's overloads take (Texture2D.Load(int2)): Windows' compiler finds
// no matching overload (X3013); glslang reads past the vector and fails later.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X3013: ..." line per problem to `errors`.
void CheckResourceLoads(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
