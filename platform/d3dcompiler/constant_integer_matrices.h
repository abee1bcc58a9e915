// Integer and bool matrices the program sets (constant buffer members and
// global variables that are not static): their registers hold integer bits,
// one register per column (per row when row_major), which glslang cannot
// read as a matrix. Each is declared as the array of integer vectors its
// registers are, and the code reads it through a function that builds the
// float matrix standing for integer matrices (matrix_rewrites.cpp).
#pragma once

#include "hlsl_tokens.h"

#include "function_scan.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether the declaration whose type is at `at` is one to read from its
// registers: not static, not a function, no initialiser, not a member;
// `*modifier` is its row_major or column_major, or tokens.size().
bool IsProgramSet(const std::vector<HlslToken>& tokens, size_t at, size_t* modifier);

// Where a reader of the declaration at `at` goes: after its statement or the
// buffer holding it (and a ';' after the buffer's brace).
size_t ReaderOffset(const std::vector<HlslToken>& tokens, size_t at,
                    const std::vector<TypeBody>& bodies);

void ReadConstantIntegerMatrices(const std::string& source, const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
