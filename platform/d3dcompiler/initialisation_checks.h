// A local variable that the function reads but never writes on any path
// ("float x; return x;"): Windows' compiler refuses it (X4000, "used without
// having been completely initialized"), where a variable written on some paths
// only draws a warning. Judged where the tokens tell it for certain: a local
// of a scalar, vector, matrix or structure type declared without a value,
// never assigned, incremented or given to any call.
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X4000: ..." line per such variable to `errors`.
void CheckNeverWrittenLocals(const std::vector<HlslToken>& tokens, std::string* errors);

// Appends one "file(line,col): warning X4000: use of potentially
// uninitialized variable (x)" line per such local whose first read follows
// writes made only on some paths (an if without an else, a loop, a switch).
void WarnPartlyWrittenLocals(const std::vector<HlslToken>& tokens,
                             const std::vector<FunctionDefinition>& functions,
                             std::string* warnings);

} // namespace d3dcompiler_standin
