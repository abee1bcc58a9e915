#include "attribute_checks.h"

#include <algorithm>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Whether the '[' at `at` opens an attribute rather than an index: it starts
// a declaration or a statement, or follows another attribute.
bool OpensAttribute(const Tokens& tokens, size_t at, size_t previousAttributeEnd) {
    if (!IsToken(tokens, at, "[") || !IsIdentifier(tokens, at + 1)) {
        return false;
    }
    if (at == 0 || at == previousAttributeEnd) {
        return true;
    }
    const std::string& before = tokens[at - 1].text;
    return before == ";" || before == "{" || before == "}" || before == "else";
}

// "[name(...)]": what its arguments say, reported at the attribute's name.
void CheckArguments(const Tokens& tokens, size_t name, size_t close, std::string* errors) {
    const size_t open = name + 1;
    if (!IsToken(tokens, open, "(") || open >= close) {
        return;
    }
    if (IsToken(tokens, open + 1, ")")) {
        // Windows' parser wants an expression there and stops at the ')'.
        *errors +=
            SourceError(tokens[open + 1], "syntax error: unexpected token ')'", "X3000") + "\n";
        return;
    }
    if (strcasecmp(tokens[name].text.c_str(), "unroll") == 0 && IsToken(tokens, open + 1, "-") &&
        tokens[std::min(open + 2, close)].kind == HlslToken::Kind::Number) {
        *errors +=
            SourceError(tokens[name], "cannot match attribute unroll, non-uint parameters found",
                        "X3084") +
            "\n";
    }
}

} // namespace

void CheckAttributeArguments(const Tokens& tokens, std::string* errors) {
    size_t previousAttributeEnd = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (!OpensAttribute(tokens, at, previousAttributeEnd)) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at);
        if (close >= tokens.size()) {
            return;
        }
        CheckArguments(tokens, at + 1, close, errors);
        previousAttributeEnd = close + 1;
        at = close;
    }
}

} // namespace d3dcompiler_standin
