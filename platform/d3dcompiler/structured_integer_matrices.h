// A structured buffer of integer or bool matrices (StructuredBuffer<int2x2>)
// holds integer bits, which the float matrix standing for integer matrices
// (matrix_rewrites.cpp) would read as floats: each element read is a call
// building the float matrix from the bits, row by row, and a value assigned
// to a component or row of an RWStructuredBuffer's element is stored as its
// bits.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void ReadStructuredIntegerMatrices(const std::vector<HlslToken>& tokens,
                                   std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
