// Values of integer and bool matrices that the float matrices standing for
// them (matrix_rewrites.cpp) would leave fractional: a float matrix assigned
// or initialised into one converts as Windows converts (toward zero, 0 or 1),
// and the quotient of integer matrices is truncated as integer division is.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void ConvertIntegerMatrixValues(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
