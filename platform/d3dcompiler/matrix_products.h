// The product of two matrices written with * ("a * b", "a *= b" for
// float2x2 a and b), which Windows computes per component and glslang as the
// matrix product: written as a function of the shape's own that multiplies
// row by row.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteMatrixProducts(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
