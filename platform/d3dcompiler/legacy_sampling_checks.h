// Calls of the first shader models' sampling intrinsics (tex2D and its kin)
// that no overload takes: another count of arguments than the form's (two,
// or four for tex2D(s, t, ddx, ddy) and the grad forms), or a texture object
// where the sampler stands. Windows' compiler finds no matching intrinsic
// (X3013); glslang, which lacks the intrinsics, found an undeclared name or
// could not translate the call.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,first-last): error X3013: ..." line per call to `errors`.
void CheckLegacySamplingCalls(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
