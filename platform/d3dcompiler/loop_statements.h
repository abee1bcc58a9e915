// Reading loop statements from the tokens: where a statement ends, a loop's
// condition and body, and the attributes in front of it.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Where the statement starting at `at` ends: past its braces, past the
// statements an if, else, loop or switch holds, or past the ';' that ends it
// outside brackets.
size_t StatementEnd(const std::vector<HlslToken>& tokens, size_t at);

// The condition of a for or while loop, [first, end), and where its body
// starts; all 0 for other tokens and for the while that ends a do statement.
struct LoopParts {
    size_t first = 0;
    size_t end = 0;
    size_t body = 0;
};
LoopParts ReadLoop(const std::vector<HlslToken>& tokens, size_t at);

// Whether the attributes in front of the statement keyword at `at` name
// `wanted` ("[allow_uav_condition]", "[unroll(4)]"), in any case.
bool MarkedWith(const std::vector<HlslToken>& tokens, size_t at, const char* wanted);

} // namespace d3dcompiler_standin
