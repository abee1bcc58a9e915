// Structures that declare one member name twice, which glslang takes and
// Windows refuses.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,first-last): error X3003: redefinition of 'name'" to
// `errors` for each member declared again in the structure whose body
// tokens[open] and tokens[close] enclose.
void CheckStructureMembers(const std::vector<HlslToken>& tokens, size_t open, size_t close,
                           std::string* errors);

} // namespace d3dcompiler_standin
