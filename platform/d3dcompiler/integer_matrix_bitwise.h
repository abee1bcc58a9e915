// Bitwise operators (&, |, ^, <<, >>, ~) on integer matrices, which the
// float matrices standing for them (matrix_rewrites.cpp) do not take: each
// becomes a call of a function of the shape's own that applies the operator
// row by row on integer vectors, as Windows applies it per component (shift
// counts are masked to five bits later, in the SPIR-V). So are +, - and * where
// a uint matrix is an operand, so that they wrap modulo 2^32 as Windows'
// 32-bit integer arithmetic does (a float matrix gave -1 for 1u - 2u).
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RewriteIntegerMatrixBitwise(const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
