// HLSL names a vector's components with x, y, z, w or r, g, b, a only; the
// s, t, p and q that glslang also takes are no component names to Windows'
// compiler, which refuses them with X3018.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X3018: invalid subscript '...'" line per
// such swizzle of a value the declarations type as a scalar or vector.
void CheckSwizzleNames(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
