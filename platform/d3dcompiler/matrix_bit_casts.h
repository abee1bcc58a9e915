// asuint, asint and asfloat of a matrix, which glslang cannot compile (its
// bitcast takes no matrix, and integer matrices are float ones to it,
// matrix_rewrites.cpp): calls of a helper of the argument's type that casts
// row by row, each row read as its integer or float vector first.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RewriteMatrixBitCasts(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
