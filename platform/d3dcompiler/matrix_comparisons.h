// Comparisons of matrices ("values > 0.25" for a float2x2 values), which
// Windows makes per component into a bool matrix and glslang emits as a
// comparison of whole matrices, which SPIR-V does not have: written as a
// function of the shape's own that compares row by row.
#pragma once

#include "hlsl_tokens.h"

#include <map>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Names declared with a matrix type, and each one's "RxC".
std::map<std::string, std::string> MatrixNames(const std::vector<HlslToken>& tokens);

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteMatrixComparisons(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
