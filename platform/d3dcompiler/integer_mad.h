// mad of integers, which glslang turns into an Fma that takes floats only
// and whose SPIR-V then fails legalisation: each such call becomes one of a
// function of the operands' type computing m * a + b in integers, as Windows
// computes it (imad).
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RewriteIntegerMad(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
