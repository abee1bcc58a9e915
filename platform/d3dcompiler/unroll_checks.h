// "[unroll] for (int i = 0; i < count; i++)" where count is a constant the
// program sets (a constant buffer's member or a global that is not static):
// the compiler cannot tell how often the loop runs, tries 1024 iterations and
// refuses the unrolling (X3511).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X3511: ..." line per such loop to `errors`.
void CheckUnrolledLoopBounds(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
