// Matrices of the minimum-precision float types (min16float2x2,
// min10float4x3), which glslang's HLSL front end does not know: each is
// spelled as the float matrix of its shape, which computes at the full
// precision the minimum-precision types allow (see the README).
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RewriteMinPrecisionMatrices(const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
