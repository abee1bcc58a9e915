// Compound assignments to a swizzle of several matrix elements ("m._11_22 +=
// v"), which glslang refuses ("only simple assignment to non-simple matrix
// swizzle is supported") and Windows computes per element: written as the
// simple assignment of the operation, "m._11_22 = float2(m._11, m._22) +
// (v)", where the matrix is reached without side effects and its type is
// known.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteMatrixSwizzleCompounds(const std::vector<HlslToken>& tokens,
                                   std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
