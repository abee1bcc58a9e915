// Comparisons of matrices ("values > 0.25" for a float2x2 values), which
// Windows makes per component into a bool matrix and glslang emits as a
// comparison of whole matrices, which SPIR-V does not have: written as a
// function of the shape's own that compares row by row.
#pragma once

#include "expression_types.h"
#include "hlsl_tokens.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Names declared with a matrix type, and each one's "RxC".
std::map<std::string, std::string> MatrixNames(const std::vector<HlslToken>& tokens);

// The shape an operator applied row by row takes operands `a` and `b` in,
// where one is a matrix and the other a matrix of its shape or a scalar; ""
// otherwise.
std::string RowByRowShape(const std::optional<ExpressionType>& a,
                          const std::optional<ExpressionType>& b);

// The definition of a function `name` applying binary operator `op` to two
// float matrices of `shape` ("2x3") row by row, guarded so that several files
// may define it.
std::string RowByRowHelper(const std::string& name, const std::string& shape,
                           const std::string& op);

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteMatrixComparisons(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
