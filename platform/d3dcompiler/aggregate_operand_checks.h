// Structures and arrays where Windows' compiler takes only numeric values:
// operands of arithmetic and comparison operators (X3022 "scalar, vector, or
// matrix expected") and the values of ?: (X3020 "type mismatch between
// conditional values"), fxc's words as DirectXShaderCompiler's
// more-operators.hlsl, scalar-operators.hlsl and conditional.hlsl record
// them. glslang compared structures whole and chose between them.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one error line per statement where a variable of a structure or
// array type, named on its own, is such an operand.
void CheckAggregateOperands(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
