// Float literals converted to an integer type ("(int)1e10", "uint(-1.5)",
// "uint u = -1.5;"), which glslang folds as C++ converts, wrapping values
// out of range: written as the integer Direct3D's saturating conversion
// gives.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteLiteralConversions(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
