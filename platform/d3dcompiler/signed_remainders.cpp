#include "signed_remainders.h"
#include "expression_types.h"
#include "function_scan.h"
#include "numeric_type_names.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Whether tokens[at] is a '%' operator (no part of "%=").
bool IsRemainder(const Tokens& tokens, size_t at) {
    return tokens[at].text == "%" &&
           !(IsToken(tokens, at + 1, "=") && Adjacent(tokens[at], tokens[at + 1]));
}

bool IsSignedInteger(const std::optional<ExpressionType>& type) {
    return type && !type->IsArray() && !type->structure && type->columns == 0 &&
           IntegerElementOf(type->base) == "int";
}

// Past the right operand starting at `at`, over a leading minus; `at` for
// none.
size_t RightOperandEnd(const Tokens& tokens, size_t at) {
    const size_t first = IsToken(tokens, at, "-") ? at + 1 : at;
    const size_t end = PostfixOperandEnd(tokens, first);
    return end == first ? at : end;
}

std::string HelperDefinition(const std::string& name, const std::string& type) {
    return "#ifndef " + name + "_defined\n#define " + name + "_defined\n" + type + " " + name +
           "(" + type + " a, " + type + " b) { return a - a / b * b; }\n#endif\n";
}

// The remainders of a function's body outside square brackets: a remainder
// in an array's size must stay a constant expression.
void RewriteInBody(const Tokens& tokens, const FunctionDefinition& function,
                   LazyExpressionTypes& types, std::set<std::string>* helpers,
                   std::vector<TextEdit>* edits) {
    const size_t last = std::min(function.end, tokens.size());
    for (size_t at = function.body + 1; at + 1 < last; ++at) {
        if (tokens[at].text == "[") {
            at = ClosingBracket(tokens, at);
            continue;
        }
        if (!IsRemainder(tokens, at)) {
            continue;
        }
        const size_t start = PostfixOperandStart(tokens, at);
        const size_t end = RightOperandEnd(tokens, at + 1);
        const bool chained =
            start > 0 && (tokens[start - 1].text == "*" || tokens[start - 1].text == "/" ||
                          tokens[start - 1].text == "%");
        if (start == at || end == at + 1 || chained) {
            continue; // an operand this form does not tell, or (x * y) % z
        }
        const std::optional<ExpressionType> a = types->TypeOf(start, at);
        const std::optional<ExpressionType> b = types->TypeOf(at + 1, end);
        if (!IsSignedInteger(a) || !IsSignedInteger(b)) {
            continue;
        }
        const int size = std::max(a->rows, b->rows);
        const std::string type = size > 0 ? "int" + std::to_string(size) : "int";
        const std::string name = "standin_remainder_" + type;
        helpers->insert(HelperDefinition(name, type));
        edits->push_back({tokens[start].offset, 0, name + "("});
        edits->push_back({tokens[at].offset, 1, ","});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
        at = end - 1;
    }
}

} // namespace

void RewriteSignedRemainders(const Tokens& tokens, std::vector<TextEdit>* edits) {
    if (std::none_of(tokens.begin(), tokens.end(), [](const HlslToken& token) {
            return token.text.size() == 1 && token.text[0] == '%';
        })) {
        return;
    }
    LazyExpressionTypes types(tokens); // built at the first remainder
    std::set<std::string> helpers;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        RewriteInBody(tokens, function, types, &helpers, edits);
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
