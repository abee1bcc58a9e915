#include "call_shapes.h"
#include "function_scan.h"
#include "numeric_type_names.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The precision of a scalar or vector type's components: 2 for double, 1
// for the float types, 0 for anything else.
int FloatWidthOf(const std::string& type) {
    NumericTypeName numeric;
    if (!ReadNumericTypeName(type, &numeric) || numeric.columns != 0) {
        return 0;
    }
    if (numeric.base == "double") {
        return 2;
    }
    const bool single = numeric.base == "float" || numeric.base == "half" ||
                        numeric.base == "min16float" || numeric.base == "min10float";
    return single ? 1 : 0;
}

// Each name declared with one float width (variables, parameters, members
// and functions' return types); -1 where declarations disagree.
std::map<std::string, int> DeclaredWidths(const Tokens& tokens) {
    return MeasureDeclaredNames(tokens, FloatWidthOf);
}

int WidthOfName(const std::map<std::string, int>& names, const std::string& name) {
    const auto found = names.find(name);
    return found == names.end() ? 0 : found->second;
}

// Whether the value [first, end) is a double as its form tells: a declared
// double name, a swizzle of one, or a double constructor or cast.
bool IsDoubleValue(const Tokens& tokens, size_t first, size_t end,
                   const std::map<std::string, int>& names) {
    if (IsToken(tokens, first, "(") && first + 2 < end && IsToken(tokens, first + 2, ")")) {
        return FloatWidthOf(tokens[first + 1].text) == 2 && end > first + 3; // a cast
    }
    if (!IsIdentifier(tokens, first)) {
        return false;
    }
    if (IsToken(tokens, first + 1, "(") && ClosingBracket(tokens, first + 1) + 1 == end) {
        return FloatWidthOf(tokens[first].text) == 2;
    }
    const bool alone = first + 1 == end;
    const bool swizzled = first + 3 == end && tokens[first + 1].text == ".";
    return (alone || swizzled) && WidthOfName(names, tokens[first].text) == 2;
}

bool NamesDouble(const Tokens& tokens) {
    for (const HlslToken& token : tokens) {
        if (token.kind == HlslToken::Kind::Identifier && token.text[0] == 'd' &&
            token.text.compare(0, 6, "double") == 0) {
            return true;
        }
    }
    return false;
}

void WarnNarrowing(const HlslToken& first, const HlslToken& last, std::string* warnings) {
    *warnings += SourceSpan(first, last) +
                 ": warning X3205: conversion from larger type to smaller, possible loss of data\n";
}

// Intrinsics with no double instruction at shader model 5.0, whose pages
// list float arguments only: a double argument is narrowed to a float.
bool TakesFloatOnly(const std::string& name) {
    static const char* const kFloatOnly[] = {"sin",   "cos",   "tan",   "asin",  "acos", "atan",
                                             "atan2", "sinh",  "cosh",  "tanh",  "exp",  "exp2",
                                             "log",   "log2",  "log10", "pow",   "sqrt", "rsqrt",
                                             "frac",  "floor", "ceil",  "round", "trunc"};
    return std::any_of(std::begin(kFloatOnly), std::end(kFloatOnly),
                       [&](const char* intrinsic) { return name == intrinsic; });
}

// Warns for each argument of the call at `at` that is a double, where the
// intrinsic it calls takes floats only.
void WarnNarrowedArguments(const Tokens& tokens, size_t at, const std::map<std::string, int>& names,
                           std::string* warnings) {
    if (!IsIdentifier(tokens, at) || !IsToken(tokens, at + 1, "(") ||
        (at > 0 && tokens[at - 1].text == ".") || names.count(tokens[at].text) != 0 ||
        !TakesFloatOnly(tokens[at].text)) {
        return;
    }
    for (const auto& [first, end] : CallArguments(tokens, at + 1)) {
        if (end > first && IsDoubleValue(tokens, first, end, names)) {
            WarnNarrowing(tokens[first], tokens[end - 1], warnings);
        }
    }
}

} // namespace

void WarnDoubleNarrowing(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                         std::string* warnings) {
    if (!NamesDouble(tokens)) {
        return;
    }
    const std::map<std::string, int> names = DeclaredWidths(tokens);
    for (const FunctionDefinition& function : functions) {
        const int returned = FloatWidthOf(tokens[function.name - 1].text);
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at + 2 < end; ++at) {
            WarnNarrowedArguments(tokens, at, names, warnings);
            size_t value = 0;
            if (IsToken(tokens, at, "=") && !IsToken(tokens, at + 1, "=") &&
                IsIdentifier(tokens, at - 1) && tokens[at - 2].text != ".") {
                const int declared = FloatWidthOf(tokens[at - 2].text);
                const int width =
                    declared != 0 ? declared : WidthOfName(names, tokens[at - 1].text);
                value = width == 1 ? at + 1 : 0;
            } else if (tokens[at].text == "return" && returned == 1) {
                value = at + 1;
            }
            const size_t valueEnd = value == 0 ? 0 : ValueEnd(tokens, value, end);
            if (value != 0 && valueEnd > value && IsDoubleValue(tokens, value, valueEnd, names)) {
                WarnNarrowing(tokens[value], tokens[valueEnd - 1], warnings);
            }
        }
    }
}

} // namespace d3dcompiler_standin
