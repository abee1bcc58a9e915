#include "assignment_operators.h"

#include <algorithm>
#include <cstring>

namespace d3dcompiler_standin {
namespace {

// A character that may stand before '=' in a compound assignment.
bool IsCompoundChar(const HlslToken& token) {
    return token.kind == HlslToken::Kind::Punctuation && token.text.size() == 1 &&
           std::strchr("+-*/%&|^<>", token.text[0]) != nullptr;
}

} // namespace

size_t AssignedValue(const std::vector<HlslToken>& tokens, size_t at) {
    size_t equals = at;
    while (equals < at + 2 && equals < tokens.size() && IsCompoundChar(tokens[equals])) {
        ++equals;
    }
    if (equals + 1 >= tokens.size() || !IsChar(tokens[equals], '=') ||
        IsChar(tokens[equals + 1], '=')) {
        return 0;
    }
    const bool shift = tokens[at].text == tokens[at + 1].text &&
                       (IsChar(tokens[at], '<') || IsChar(tokens[at], '>'));
    if (equals == at + 2 && !shift) {
        return 0;
    }
    if (equals == at + 1 && (IsChar(tokens[at], '<') || IsChar(tokens[at], '>'))) {
        return 0; // "a <= b", "a >= b"
    }
    return equals + 1;
}

size_t AssignmentOperatorIn(const std::vector<HlslToken>& tokens, size_t begin, size_t end) {
    for (size_t at = begin; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || text == "{") {
            at = std::min(ClosingBracket(tokens, at), end);
            continue;
        }
        const bool operatorStart = at > begin && !IsCompoundChar(tokens[at - 1]) &&
                                   !IsChar(tokens[at - 1], '=') && !IsChar(tokens[at - 1], '!');
        if (operatorStart && AssignedValue(tokens, at) != 0) {
            return at;
        }
    }
    return end;
}

} // namespace d3dcompiler_standin
