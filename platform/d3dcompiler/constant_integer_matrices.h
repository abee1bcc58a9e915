// Integer and bool matrices the program sets (constant buffer members and
// global variables that are not static): their registers hold integer bits,
// one register per column (per row when row_major), which glslang cannot
// read as a matrix. Each is declared as the array of integer vectors its
// registers are, and the code reads it through a function that builds the
// float matrix standing for integer matrices (matrix_rewrites.cpp).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

void ReadConstantIntegerMatrices(const std::string& source, const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
