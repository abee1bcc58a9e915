// Rules of loops and jumps that glslang does not make: a `continue` whose
// nearest enclosing statement is a switch (X3708), and a loop whose condition
// is always true with no break or return leaving it (X3696).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one error line per such continue and per such loop to `errors`.
void CheckLoopJumps(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
