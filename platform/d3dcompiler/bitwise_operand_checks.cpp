#include "bitwise_operand_checks.h"

#include "expression_types.h"

#include <optional>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool Joined(const Tokens& tokens, size_t at) {
    return at + 1 < tokens.size() && Adjacent(tokens[at], tokens[at + 1]) &&
           tokens[at + 1].kind == HlslToken::Kind::Punctuation;
}

// The bitwise operator starting at `at`: its length in tokens (an "=" of its
// assignment included), 0 for none; `unary` for ~.
size_t BitwiseOperator(const Tokens& tokens, size_t at, bool* unary) {
    const HlslToken& token = tokens[at];
    if (token.kind != HlslToken::Kind::Punctuation || token.text.size() != 1) {
        return 0;
    }
    const char c = token.text[0];
    *unary = c == '~';
    if (c == '~') {
        return 1;
    }
    const bool joinedBefore = at > 0 && Adjacent(tokens[at - 1], token) &&
                              tokens[at - 1].kind == HlslToken::Kind::Punctuation &&
                              !IsChar(tokens[at - 1], ')') && !IsChar(tokens[at - 1], ']');
    if (joinedBefore) {
        return 0; // the second character of && or <<, or of a comparison
    }
    const char next = Joined(tokens, at) ? tokens[at + 1].text[0] : '\0';
    if (c == '&' || c == '|' || c == '^') {
        return next == c ? 0 : next == '=' ? 2 : 1;
    }
    if ((c == '<' || c == '>') && next == c) {
        return Joined(tokens, at + 1) && IsChar(tokens[at + 2], '=') ? 3 : 2;
    }
    return 0;
}

// Whether the token at `at` binds its neighbour more tightly than a bitwise
// operator into a value of another type: a comparison, ! or a cast's ")".
bool TakesOperandAway(const Tokens& tokens, size_t at) {
    if (at >= tokens.size()) {
        return false;
    }
    const std::string& text = tokens[at].text;
    if (text == "<" || text == ">" || text == "!" || text == ")") {
        return !(Joined(tokens, at) && tokens[at + 1].text == text); // a shift binds alike
    }
    return text == "=" && Joined(tokens, at) && IsChar(tokens[at + 1], '=');
}

bool IsFloatingPoint(const std::optional<ExpressionType>& type) {
    if (!type || !type->resource.empty() || type->structure || type->IsArray()) {
        return false;
    }
    const std::string& base = type->base;
    return base == "float" || base == "half" || base == "double" || base == "min16float" ||
           base == "min10float";
}

} // namespace

void CheckBitwiseOperands(const Tokens& tokens, std::string* errors) {
    LazyExpressionTypes types(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        bool unary = false;
        const size_t length = BitwiseOperator(tokens, at, &unary);
        if (length == 0) {
            continue;
        }
        const size_t right = at + length;
        const size_t rightEnd = PostfixOperandEnd(tokens, right);
        bool floating = rightEnd > right && !TakesOperandAway(tokens, rightEnd) &&
                        IsFloatingPoint(types->TypeOf(right, rightEnd));
        if (!unary) {
            size_t left = PostfixOperandStart(tokens, at);
            if (left == at && tokens[at - 1].kind == HlslToken::Kind::Number) {
                left = at - 1; // a literal
            }
            floating |= left < at && (left == 0 || !TakesOperandAway(tokens, left - 1)) &&
                        IsFloatingPoint(types->TypeOf(left, at));
        }
        if (floating) {
            *errors += SourceError(tokens[at], "int or unsigned int type required", "X3082") + "\n";
        }
        at += length - 1;
    }
}

} // namespace d3dcompiler_standin
