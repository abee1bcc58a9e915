// A declaration that follows an expression with no semicolon between
// ("float a = p.x <newline> float b = 2;"), which glslang takes and Windows'
// parser refuses at the declaration's type.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,first-last): error X3000: syntax error: unexpected token
// 'float'" for the first such declaration to `errors` and returns false; true
// when there is none.
bool CheckDeclarationsRunOn(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
