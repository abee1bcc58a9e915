// Bitwise operators (~ << >> & | ^ and their assignments) take integers:
// Windows' compiler refuses a floating-point operand with X3082, where
// glslang's output fails to translate.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X3082: ..." line per operator whose
// operand the declarations type as float, half, double or a minimum-precision
// float. Operands whose types they do not tell are passed over.
void CheckBitwiseOperands(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
