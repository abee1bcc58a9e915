// ?: whose condition is a vector shorter than its values (`flags.xy ? v4 :
// w4`), which Windows refuses, X3020 "dimension of conditional does not match
// value" (fxc's words as DirectXShaderCompiler's conditional.hlsl records
// them); glslang chose by the first component.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one error line per such ?: whose operands' types the declarations
// tell.
void CheckConditionalDimensions(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
