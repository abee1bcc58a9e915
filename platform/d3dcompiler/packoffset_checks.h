// Checks on packoffset() placements in constant buffers that glslang lets
// through (or refuses in its own words) and the Windows compilers refuse: an
// offset that is no register and component, a value that would cross a
// register boundary, packed and unpacked members mixed, and two members placed
// on the same components.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,col): error X....: ..." line per problem to `errors`.
void CheckPackOffsets(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
