// A float literal has no type of its own to Windows' compiler until a use
// gives it one ("literal float"): it reaches a float parameter and a double
// one equally, so a call of a function overloaded on the two with such an
// argument is ambiguous (X3067, as fxc reports `overload1(1.0 * abs(-1))` in
// the fxc-error annotations of DirectXShaderCompiler's
// tools/clang/test/HLSL/intrinsic-examples.hlsl). glslang takes the float.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,col): error X3067: 'f': ambiguous function call" for
// each call of a one-parameter function defined for float and for double
// whose argument is made of unsuffixed float literals, integer literals and
// arithmetic only.
void CheckLiteralFloatOverloads(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
