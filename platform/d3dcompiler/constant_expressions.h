// Integer constant expressions read from the token stream: what the compiler
// folds before it generates code (conditions, divisors, register indices).
#pragma once

#include "hlsl_tokens.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace d3dcompiler_standin {

// The value of tokens [begin, end) when they form an integer constant
// expression: integer and bool literals, parentheses, unary - + ! ~ and the
// binary arithmetic, shift, comparison, bitwise and logical operators, with
// 32-bit wrap-around as the compiler folds them. Nothing when any token is a
// name, a float literal or another operator, or when the expression divides
// by zero (`divisionByZero` then says so).
std::optional<int64_t> EvaluateIntegerConstant(const std::vector<HlslToken>& tokens, size_t begin,
                                               size_t end, bool* divisionByZero = nullptr);

// The value of one integer literal ("12", "0x1F", "7u"); nothing for other text.
std::optional<int64_t> IntegerLiteralValue(const std::string& text);

} // namespace d3dcompiler_standin
