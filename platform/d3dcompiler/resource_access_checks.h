// How a resource object may be named, indexed and called, as Windows'
// compiler judges it before glslang (which crashes on or misreports several):
// a template type without its element type (X3000), a member or method the
// object lacks (X3018: "invalid subscript 'mips'"), [] on a cube texture
// (X3121) and an index of the wrong dimension (X3120).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X....: ..." line per problem to `errors`.
void CheckResourceAccess(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
