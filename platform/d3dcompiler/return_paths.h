// The compiler's check that a function returning a value returns one on
// every path; the HLSL front end here does not make it.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// False with one "file(line,col): error X3507: 'f': Not all control paths
// return a value" line per function in `errors`. Paths through loops and
// switches count as returning: only plain sequences and if/else are judged,
// so nothing Windows accepts is refused.
bool CheckReturnPaths(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
