// Structures that declare one member name twice, which glslang takes and
// Windows refuses.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,first-last): error X3003: redefinition of 'name'" to
// `errors` for each member declared again in its structure.
void CheckMemberRedefinitions(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
