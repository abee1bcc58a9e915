// A cast of an integer, bool or double scalar to a matrix (`(float2x2)i`,
// `(int3x3)(n * 7)`): glslang builds the float matrix from the scalar
// unconverted, SPIR-V that fails validation, so the scalar is cast to the
// matrix's element type first (`(float2x2)(float)i`), which gives the matrix
// Windows gives, every element the converted scalar. Integer and bool
// matrices are float ones for glslang (matrix_rewrites.cpp).
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void ConvertScalarsCastToMatrices(const std::vector<HlslToken>& tokens,
                                  std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
