// Matrices of the minimum-precision types (min16float2x2, min10float4x3,
// min16int2x2, min12int3x3, min16uint4x4), which glslang's HLSL front end
// does not know: each is spelled as the 32-bit matrix of its shape (float,
// int or uint), padded with spaces to its length so that columns stay, which
// computes at the full precision the minimum-precision types allow (see the
// README). Integer ones then go the way of int and uint matrices.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Where `tokens` (over `*spelled`, or over `written` while `*spelled` is
// empty) name such matrices, sets `*spelled` to the text with the 32-bit
// names and the tokens to match.
void SpellMinPrecisionMatrices(const std::string& written, std::string* spelled,
                               std::vector<HlslToken>* tokens);

} // namespace d3dcompiler_standin
