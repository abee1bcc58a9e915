// Overload resolution where the Windows compiler finds a call ambiguous and
// glslang quietly picks a candidate: the check glslang lacks.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,col): error X3067: 'f': ambiguous function call" for each
// call to a user function whose best candidates tie. Only calls whose
// arguments' types the source states (constructors such as int3(...), and
// variables declared with a numeric type) are judged, and only ties between
// candidates that each take the same arguments by dropping the same trailing
// components (int3 to int or to int2): where the ranking of other conversions
// is not read here, nothing is refused.
void CheckOverloadedCalls(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
