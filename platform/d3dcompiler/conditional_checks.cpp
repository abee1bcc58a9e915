#include "conditional_checks.h"

#include "expression_types.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The ':' of the ?: whose '?' is at `question`, or tokens.size().
size_t ChoiceColon(const Tokens& tokens, size_t question) {
    int nested = 0;
    for (size_t at = question + 1; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[") {
            at = ClosingBracket(tokens, at);
        } else if (text == "?") {
            ++nested;
        } else if (text == ":" && nested-- == 0) {
            return at;
        } else if (text == ";" || text == ")" || text == "]" || text == "}") {
            break;
        }
    }
    return tokens.size();
}

// A vector's size; 0 for a scalar or anything else.
int VectorSize(const std::optional<ExpressionType>& type) {
    return type && !type->IsArray() && !type->structure && type->columns == 0 ? type->rows : 0;
}

} // namespace

void CheckConditionalDimensions(const std::vector<HlslToken>& tokens, std::string* errors) {
    LazyExpressionTypes types(tokens); // built at the first ?:
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (!IsChar(tokens[at], '?')) {
            continue;
        }
        const size_t start = PostfixOperandStart(tokens, at);
        const size_t colon = ChoiceColon(tokens, at);
        const size_t end = colon < tokens.size() ? PostfixOperandEnd(tokens, colon + 1) : colon;
        if (start == at || colon == tokens.size() || end == colon + 1) {
            continue;
        }
        const int condition = VectorSize(types->TypeOf(start, at));
        const int first = VectorSize(types->TypeOf(at + 1, colon));
        const int second = VectorSize(types->TypeOf(colon + 1, end));
        if (condition > 1 && (first > condition || second > condition)) {
            *errors += SourceError(tokens[start], "dimension of conditional does not match value",
                                   "X3020") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
