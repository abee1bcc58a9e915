#include "aggregate_operand_checks.h"

#include "expression_types.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Names declared "Structure name" or "Type name[": the only names that can be
// aggregates.
std::vector<std::string> AggregateNames(const Tokens& tokens) {
    std::vector<std::string> structures;
    std::vector<std::string> names;
    auto isStructure = [&](const std::string& name) {
        return std::find(structures.begin(), structures.end(), name) != structures.end();
    };
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (!IsIdentifier(tokens, at) || !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        if (tokens[at].text == "struct") {
            structures.push_back(tokens[at + 1].text);
        } else if (IsChar(tokens[at + 2], '[') || isStructure(tokens[at].text)) {
            names.push_back(tokens[at + 1].text);
        }
    }
    return names;
}

bool IsOneOf(const std::string& text, const char* characters) {
    return text.size() == 1 && std::strchr(characters, text[0]) != nullptr;
}

// The operator after the operand ending at tokens[at - 1], as Windows reads
// what it takes: 'n' for arithmetic or comparison, '?' for a value of ?:,
// 0 for anything else (assignment, increment, member access).
char OperatorAfter(const Tokens& tokens, size_t at, bool inChoice) {
    if (at >= tokens.size()) {
        return 0;
    }
    const std::string& text = tokens[at].text;
    if (text.size() != 1) {
        return 0;
    }
    const bool equals = at + 1 < tokens.size() && IsChar(tokens[at + 1], '=');
    if (text[0] == ':' && inChoice) {
        return '?';
    }
    if ((text[0] == '=' || text[0] == '!') && equals) {
        return 'n'; // == and !=
    }
    if (IsOneOf(text, "<>")) {
        return IsToken(tokens, at + 1, text.c_str()) ? 0 : 'n';
    }
    if (IsOneOf(text, "+-")) {
        return equals || IsToken(tokens, at + 1, text.c_str()) ? 0 : 'n';
    }
    return IsOneOf(text, "*/%") && !equals ? 'n' : 0;
}

// The operator before the operand starting at tokens[at + 1], read as above.
char OperatorBefore(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    if (text.size() != 1) {
        return 0;
    }
    if (text[0] == '?') {
        return '?';
    }
    const bool binary =
        at > 0 && (IsIdentifier(tokens, at - 1) || IsChar(tokens[at - 1], ')') ||
                   IsChar(tokens[at - 1], ']') || tokens[at - 1].kind == HlslToken::Kind::Number);
    if (text[0] == '=') {
        return at > 0 && IsOneOf(tokens[at - 1].text, "=!<>") ? 'n' : 0;
    }
    return binary && IsOneOf(text, "+-*/%<>") ? 'n' : 0;
}

// Whether a '?' stands between tokens[at] and the start of its statement.
bool InChoice(const Tokens& tokens, size_t at) {
    while (at > 0) {
        --at;
        const std::string& text = tokens[at].text;
        if (text == "?") {
            return true;
        }
        if (text == ";" || text == "{" || text == "}") {
            return false;
        }
    }
    return false;
}

} // namespace

void CheckAggregateOperands(const std::vector<HlslToken>& tokens, std::string* errors) {
    const std::vector<std::string> names = AggregateNames(tokens);
    if (names.empty()) {
        return;
    }
    LazyExpressionTypes types(tokens); // built at the first aggregate operand
    size_t reportedLine = 0;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].kind != HlslToken::Kind::Identifier ||
            std::find(names.begin(), names.end(), tokens[at].text) == names.end() ||
            IsChar(tokens[at - 1], '.') || IsOneOf(tokens[at + 1].text, ".[(") ||
            tokens[at].line == reportedLine) {
            continue;
        }
        char use = OperatorBefore(tokens, at - 1);
        if (use == 0) {
            const bool choice = IsChar(tokens[at + 1], ':') && InChoice(tokens, at);
            use = OperatorAfter(tokens, at + 1, choice);
        }
        if (use == 0) {
            continue;
        }
        const std::optional<ExpressionType> type = types->TypeOf(at, at + 1);
        if (!type || !(type->structure || type->IsArray())) {
            continue;
        }
        *errors +=
            use == '?'
                ? SourceError(tokens[at], "type mismatch between conditional values", "X3020")
                : SourceError(tokens[at], "scalar, vector, or matrix expected", "X3022");
        *errors += "\n";
        reportedLine = tokens[at].line;
    }
}

} // namespace d3dcompiler_standin
