// Statement forms that glslang reads as something else and Windows' parser
// refuses as syntax errors: a label ("done:"), a declaration after an
// expression in a for statement's first clause ("for (i = 0, int j = 0; ...)"),
// a name right after an initialiser's operand ("float x = y y;"), a parameter
// with a semantic and no name ("float4 : SV_Position"), and brackets holding
// what none can (";" outside a for statement's, which holds two; braces) or
// closing none.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,first-last): error X3000: syntax error: unexpected token
// 'x'" for the first such form to `errors` and returns false; true when there
// is none.
bool CheckStatementSyntax(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
