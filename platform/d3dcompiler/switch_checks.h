// The rule of switch statements that glslang does not make: a case with
// statements must end in break or return, only empty case labels share the
// statements after them (fxc's X3533).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X3533: ..." line per case that falls
// through into the next to `errors`.
void CheckSwitchFallThrough(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
