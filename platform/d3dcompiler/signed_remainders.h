// % of signed integers, which glslang emits as OpSMod (the divisor's sign);
// the SPIR-V repair makes it OpSRem (the dividend's sign, as Windows), but
// glslang's optimiser folds OpSMod of constants first, such as the operands
// of a function called with literals. Written as a call of a function of the
// shape's own computing a - a / b * b, which every step folds as Windows
// computes it.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteSignedRemainders(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
