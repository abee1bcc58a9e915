// Array dimensions Windows' compiler refuses and glslang takes: a constant
// size below 1 or above 65536, written as a literal expression or a static
// const integer.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends "file(line,first-last): error X3059: array dimension must be
// between 1 and 65536" to `errors` for each such dimension of the declarator
// whose first '[' is tokens[at]; nothing where that '[' indexes.
void CheckArrayDimensions(const std::vector<HlslToken>& tokens, size_t at, std::string* errors);

} // namespace d3dcompiler_standin
