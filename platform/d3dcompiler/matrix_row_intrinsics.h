// Intrinsics of a matrix that glslang cannot compile: asuint, asint and
// asfloat (its bitcast takes no matrix, and integer matrices are float ones
// to it, matrix_rewrites.cpp), and modf and frexp, whose out matrix its
// instructions cannot write. Each call is one of a helper of the argument's
// type that applies the intrinsic row by row, each row read as its integer or
// float vector first.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RewriteMatrixRowIntrinsics(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
