// Rules of loops and jumps that glslang does not make: a `break` or
// `continue` outside any loop or switch (X3518, X3519), a `continue` whose
// nearest enclosing loop or switch is a switch (X3708), and a loop whose
// condition is always true with no break or return leaving it (X3696).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one error line per such jump and per such loop to `errors`.
void CheckLoopJumps(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
