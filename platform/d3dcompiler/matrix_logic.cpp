#include "matrix_logic.h"
#include "expression_types.h"
#include "matrix_comparisons.h"

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

bool HasLogicOperator(const Tokens& tokens) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (!LogicOperatorAt(tokens, at).empty()) {
            return true;
        }
    }
    return false;
}

} // namespace

void RewriteMatrixLogic(const Tokens& tokens, std::vector<TextEdit>* edits) {
    if (!NamesAMatrixType(tokens) || !HasLogicOperator(tokens)) {
        return;
    }
    LazyExpressionTypes types(tokens);
    std::set<std::string> helpers;
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
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
