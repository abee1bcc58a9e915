// Matrices of one row or one column (float4x1, float1x3, float1x1): glslang
// cannot construct them, and its SPIR-V builder crashes on a float2x1 local,
// so they are spelled as the vectors of their components before the other
// rewrites read the source (those the program sets are declared as their
// registers, constant_thin_matrices.cpp): a row or column
// element (`m._21`, `m._m10`) is that component, indexing drops the index
// that has one value (`row[0][j]` is `row[j]`, `column[i][0]` is
// `column[i]`), `transpose` of one is the vector, and `mul` of a column and
// a row is their outer product, through a helper of the shapes' own.
// Constructors, casts and arithmetic are those of the vectors, which take
// the components in the same order.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Where `tokens` (over `*spelled`, or over `written` while `*spelled` is
// empty) name such matrices, sets `*spelled` to the text with the vectors
// and `*tokens` to its tokens.
void SpellThinMatrices(const std::string& written, std::string* spelled,
                       std::vector<HlslToken>* tokens);

} // namespace d3dcompiler_standin
