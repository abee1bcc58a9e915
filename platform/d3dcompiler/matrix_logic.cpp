#include "matrix_logic.h"
#include "expression_types.h"
#include "matrix_comparisons.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// "&&" or "||" when tokens[at] and the next make one, else "".
std::string LogicOperatorAt(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    if ((text == "&" || text == "|") && at + 1 < tokens.size() && tokens[at + 1].text == text &&
        Adjacent(tokens[at], tokens[at + 1])) {
        return text + text;
    }
    return "";
}

// Whether tokens[at] is a "!" that is no part of "!=".
bool IsNot(const Tokens& tokens, size_t at) {
    return tokens[at].text == "!" &&
           !(IsToken(tokens, at + 1, "=") && Adjacent(tokens[at], tokens[at + 1]));
}

bool HasLogicToken(const Tokens& tokens) {
    return std::any_of(tokens.begin(), tokens.end(), [](const HlslToken& token) {
        return token.text.size() == 1 && (token.text[0] == '&' || token.text[0] == '|' ||
                                          token.text[0] == '!' || token.text[0] == '?');
    });
}

// A guarded function `name` taking `parameters` and returning the float
// matrix of `shape` whose row r is `row` with each '#' read as r.
std::string RowsHelper(const std::string& name, const std::string& shape,
                       const std::string& parameters, const std::string& row) {
    const std::string type = "float" + shape;
    std::string rows;
    for (int r = 0; r < shape[0] - '0'; ++r) {
        rows += r > 0 ? ", " : "";
        for (char c : row) {
            rows += c == '#' ? std::to_string(r) : std::string(1, c);
        }
    }
    std::string definition = "#ifndef " + name + "_defined\n#define " + name + "_defined\n";
    definition += type + " " + name + "(" + parameters + ") { return " + type + "(";
    definition += rows + "); }\n#endif\n";
    return definition;
}

// The matrix shape of tokens[first, end), "" when it is no matrix.
std::string MatrixShapeOf(LazyExpressionTypes& types, size_t first, size_t end) {
    const std::optional<ExpressionType> type = types->TypeOf(first, end);
    return type && type->IsMatrix() ? type->MatrixShape() : "";
}

// Past the operand of a conditional starting at `at`, over a leading minus;
// `at` for none.
size_t ChoiceEnd(const Tokens& tokens, size_t at) {
    const size_t first = IsToken(tokens, at, "-") ? at + 1 : at;
    const size_t end = PostfixOperandEnd(tokens, first);
    return end == first ? at : end;
}

// `!m` of a matrix m, per component: a function of the shape's own.
void RewriteNot(const Tokens& tokens, size_t at, LazyExpressionTypes& types,
                std::set<std::string>* helpers, std::vector<TextEdit>* edits) {
    const size_t end = PostfixOperandEnd(tokens, at + 1);
    const std::string shape = end == at + 1 ? "" : MatrixShapeOf(types, at + 1, end);
    if (shape.empty()) {
        return;
    }
    const std::string name = "standin_not_" + shape;
    helpers->insert(RowsHelper(name, shape, "float" + shape + " a", "!a[#]"));
    edits->push_back({tokens[at].offset, 1, name + "("});
    edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
}

// `c ? a : b` with a matrix condition, per component: a function of the
// shape's own.
void RewriteChoice(const Tokens& tokens, size_t at, LazyExpressionTypes& types,
                   std::set<std::string>* helpers, std::vector<TextEdit>* edits) {
    const size_t start = PostfixOperandStart(tokens, at);
    const size_t colon = ChoiceEnd(tokens, at + 1);
    if (start == at || colon == at + 1 || !IsToken(tokens, colon, ":")) {
        return;
    }
    const size_t end = ChoiceEnd(tokens, colon + 1);
    const std::string shape = MatrixShapeOf(types, start, at);
    if (end == colon + 1 || shape.empty()) {
        return;
    }
    const std::optional<ExpressionType> a = types->TypeOf(at + 1, colon);
    const std::optional<ExpressionType> b = types->TypeOf(colon + 1, end);
    const bool scalars = a && b && a->IsScalar() && b->IsScalar();
    if (!scalars && RowByRowShape(a, b) != shape) {
        return;
    }
    const std::string name = "standin_select_" + shape;
    const std::string type = "float" + shape;
    helpers->insert(RowsHelper(name, shape, type + " c, " + type + " a, " + type + " b",
                               "c[#] != 0 ? a[#] : b[#]"));
    edits->push_back({tokens[start].offset, 0, name + "("});
    edits->push_back({tokens[at].offset, 1, ","});
    edits->push_back({tokens[colon].offset, 1, ","});
    edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
}

} // namespace

void RewriteMatrixLogic(const Tokens& tokens, std::vector<TextEdit>* edits) {
    if (!NamesAMatrixType(tokens) || !HasLogicToken(tokens)) {
        return;
    }
    LazyExpressionTypes types(tokens);
    std::set<std::string> helpers;
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        if (IsNot(tokens, at)) {
            RewriteNot(tokens, at, types, &helpers, edits);
            continue;
        }
        if (tokens[at].text == "?") {
            RewriteChoice(tokens, at, types, &helpers, edits);
            continue;
        }
        const std::string op = LogicOperatorAt(tokens, at);
        if (op.empty()) {
            continue;
        }
        const size_t start = PostfixOperandStart(tokens, at);
        const size_t end = PostfixOperandEnd(tokens, at + 2);
        if (start == at || end == at + 2) {
            continue;
        }
        const std::string shape =
            RowByRowShape(types->TypeOf(start, at), types->TypeOf(at + 2, end));
        if (shape.empty()) {
            continue;
        }
        const std::string name = (op == "&&" ? "standin_and_" : "standin_or_") + shape;
        helpers.insert(RowByRowHelper(name, shape, op));
        edits->push_back({tokens[start].offset, 0, name + "("});
        edits->push_back({tokens[at].offset, 2, ","});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
        ++at;
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
