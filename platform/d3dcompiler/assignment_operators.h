// Where assignments stand among the tokens: "a = b", "a += b", "a <<= b"
// (one character a token), but not the comparisons "a == b", "a <= b",
// "a >= b" or "a != b".
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Where the value of an assignment whose operator starts at `at` begins;
// 0 where no assignment operator starts there.
size_t AssignedValue(const std::vector<HlslToken>& tokens, size_t at);

// The first token of the first assignment operator in [begin, end) outside
// brackets; `end` where there is none.
size_t AssignmentOperatorIn(const std::vector<HlslToken>& tokens, size_t begin, size_t end);

} // namespace d3dcompiler_standin
