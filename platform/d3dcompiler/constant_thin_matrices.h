// Matrices of one row or one column that the program sets (constant buffer
// members, globals that are not static) fill their registers as any matrix
// does: one a column, or one a row when row_major. One that fills one
// register is that register's vector; one that fills several (a float1x4,
// a row_major float3x1) holds one component in each, as an array of scalars
// does, so it is declared as that array and read through a function that
// builds the vector standing for the matrix (thin_matrices.cpp).
#pragma once

#include "expression_types.h"
#include "function_scan.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The edits declaring the thin matrix whose type is at `at` (over `text`) as
// its registers, and reading it, where it fills several; none but its
// packing keyword's where it fills one. Returns how many registers it fills,
// 0 where the declaration is of a form left to glslang.
int DeclareThinConstant(const std::string& text, const std::vector<HlslToken>& tokens, size_t at,
                        const std::vector<TypeBody>& bodies, const ExpressionTypes& types,
                        std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
