// Where a declarator ends in a token stream: what follows it is a semantic,
// an initialiser or the next declarator.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// The token after a declarator whose name is at `name`: past its array
// dimensions, or past the parameter list of a function.
size_t AfterDeclarator(const std::vector<HlslToken>& tokens, size_t name);

} // namespace d3dcompiler_standin
