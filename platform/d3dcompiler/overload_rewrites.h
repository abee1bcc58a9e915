// Calls of overloaded functions that Windows' compiler resolves and glslang
// finds ambiguous: Windows prefers converting an argument's component type to
// dropping its components (float3 goes to uint3 before float2). Where the
// tokens tell every argument's and parameter's shape and one candidate is
// best for every argument, its arguments are cast to its parameters' types,
// so that glslang calls the same function.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

void RewriteResolvedOverloads(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
