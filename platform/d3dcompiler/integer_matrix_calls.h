// Conversions into integer and bool matrices at calls: a value given to a
// parameter of such a type (in or inout) and one returned as such a type
// convert as Windows converts (toward zero, 0 or 1), which the float
// matrices standing for them (matrix_rewrites.cpp) would not.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void ConvertIntegerMatrixCalls(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
