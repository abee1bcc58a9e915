// How often a for loop with literal bounds runs, read from its header.
#pragma once

#include "hlsl_tokens.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace d3dcompiler_standin {

// Whether the tokens from `type` are "type name" followed by what may follow
// a declared name ("int i =", "uint k;").
bool DeclaresName(const std::vector<HlslToken>& tokens, size_t type);

// The iterations of "for (int i = A; i < B; i++)" (or <=, >, >=, --, += 1,
// -= 1) whose loop keyword is at `loop`, where A and B are integer constants;
// nothing for any other form.
std::optional<int64_t> LiteralIterations(const std::vector<HlslToken>& tokens, size_t loop);

} // namespace d3dcompiler_standin
