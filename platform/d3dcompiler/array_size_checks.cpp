#include "array_size_checks.h"

#include "constant_expressions.h"

#include <optional>

namespace d3dcompiler_standin {

namespace {

constexpr int64_t kMaxDimension = 65536;

// Words before a name that make "word name[" an expression, not a declaration.
bool IsStatementWord(const std::string& text) {
    return text == "return" || text == "case" || text == "else" || text == "do";
}

// Whether the '>' at `close` ends a template's arguments ("vector<float, 4>"):
// names, numbers and commas back to a '<' after a name; not a comparison.
bool ClosesTemplate(const std::vector<HlslToken>& tokens, size_t close) {
    size_t at = close;
    while (at > 1 && (IsIdentifier(tokens, at - 1) || tokens[at - 1].text == "," ||
                      tokens[at - 1].kind == HlslToken::Kind::Number)) {
        --at;
    }
    return at > 1 && at < close && tokens[at - 1].text == "<" && IsIdentifier(tokens, at - 2);
}

// Whether the '[' at `at` opens a declarator's first dimension: a type's
// name (or a template's '>') and the declared name come before it.
bool OpensDeclaredDimension(const std::vector<HlslToken>& tokens, size_t at) {
    if (at < 2 || !IsIdentifier(tokens, at - 1)) {
        return false;
    }
    const HlslToken& before = tokens[at - 2];
    return (IsIdentifier(tokens, at - 2) && !IsStatementWord(before.text)) ||
           (before.text == ">" && ClosesTemplate(tokens, at - 2));
}

// The value a static const integer named `name` is initialised with, where an
// integer constant expression gives it ("static const int kCount = 4;").
std::optional<int64_t> ConstantNamed(const std::vector<HlslToken>& tokens,
                                     const std::string& name) {
    for (size_t at = 2; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != name || tokens[at + 1].text != "=" ||
            (tokens[at - 2].text != "const" && tokens[at - 2].text != "static")) {
            continue;
        }
        size_t end = at + 2;
        while (end < tokens.size() && tokens[end].text != ";" && tokens[end].text != ",") {
            ++end;
        }
        return EvaluateIntegerConstant(tokens, at + 2, end);
    }
    return std::nullopt;
}

std::optional<int64_t> DimensionValue(const std::vector<HlslToken>& tokens, size_t open,
                                      size_t close) {
    if (close == open + 2 && IsIdentifier(tokens, open + 1) &&
        !IntegerLiteralValue(tokens[open + 1].text)) {
        return ConstantNamed(tokens, tokens[open + 1].text);
    }
    return EvaluateIntegerConstant(tokens, open + 1, close);
}

} // namespace

void CheckArrayDimensions(const std::vector<HlslToken>& tokens, size_t at, std::string* errors) {
    if (!OpensDeclaredDimension(tokens, at)) {
        return;
    }
    // Each dimension of the declarator: "name[2][3]".
    for (size_t open = at; IsToken(tokens, open, "[");) {
        const size_t close = ClosingBracket(tokens, open);
        if (close >= tokens.size()) {
            break;
        }
        const std::optional<int64_t> size =
            close > open + 1 ? DimensionValue(tokens, open, close) : std::nullopt;
        if (size && (*size < 1 || *size > kMaxDimension)) {
            *errors += SourceError(tokens[open + 1], "array dimension must be between 1 and 65536",
                                   "X3059") +
                       "\n";
        }
        open = close + 1;
    }
}

} // namespace d3dcompiler_standin
