#include "matrix_products.h"
#include "expression_types.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

std::string HelperName(const std::string& shape) {
    std::string name = "standin_multiply_";
    name += shape;
    return name;
}

// Appended piece by piece: GCC 12's Release build warns (-Wrestrict, wrongly)
// on a literal added to a temporary string.
std::string HelperDefinition(const std::string& shape) {
    const std::string name = HelperName(shape);
    std::string type = "float";
    type += shape;
    std::string rows;
    for (int r = 0; r < shape[0] - '0'; ++r) {
        const std::string index = std::to_string(r);
        for (const char* piece :
             {r > 0 ? ", a[" : "a[", index.c_str(), "] * b[", index.c_str(), "]"}) {
            rows += piece;
        }
    }
    std::string definition;
    for (const std::string& piece :
         {std::string("#ifndef "), name, std::string("_defined\n#define "), name,
          std::string("_defined\n"), type, std::string(" "), name, std::string("("), type,
          std::string(" a, "), type, std::string(" b) { return "), type, std::string("("), rows,
          std::string("); }\n#endif\n")}) {
        definition += piece;
    }
    return definition;
}

// The shape both operands have where both are matrices of one shape, or "".
std::string SharedShape(const ExpressionTypes& types, size_t left, size_t op, size_t right,
                        size_t end) {
    std::optional<ExpressionType> a = types.TypeOf(left, op);
    std::optional<ExpressionType> b = a && a->IsMatrix() ? types.TypeOf(right, end) : std::nullopt;
    return b && b->IsMatrix() && a->rows == b->rows && a->columns == b->columns ? a->MatrixShape()
                                                                                : "";
}

} // namespace

void RewriteMatrixProducts(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    const std::optional<std::set<std::string>> matrixNames = MatrixVariableNames(tokens);
    if (matrixNames && matrixNames->empty()) {
        return;
    }
    // A lone name no declaration gives a matrix type, or a number, is no
    // matrix: the types are needed only past those.
    auto noMatrix = [&](size_t first, size_t end) {
        return end == first + 1 && (tokens[first].kind == HlslToken::Kind::Number ||
                                    (matrixNames && matrixNames->count(tokens[first].text) == 0));
    };
    LazyExpressionTypes types(tokens); // built at the first product
    std::set<std::string> helpers;
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != "*") {
            continue;
        }
        const bool compound = tokens[at + 1].text == "=" && Adjacent(tokens[at], tokens[at + 1]);
        const size_t left = PostfixOperandStart(tokens, at);
        const size_t right = compound ? at + 2 : at + 1;
        const size_t end = PostfixOperandEnd(tokens, right);
        // A * before the left operand binds it first: (a * b) * c.
        static const std::set<std::string> kBoundBefore = {"*", "/", "%", "."};
        if (left == at || end == right || (left > 0 && kBoundBefore.count(tokens[left - 1].text)) ||
            noMatrix(left, at) || noMatrix(right, end)) {
            continue;
        }
        const std::string shape = SharedShape(types.Get(), left, at, right, end);
        if (shape.empty() || (compound && !types->Repeatable(left, at))) {
            continue;
        }
        helpers.insert(HelperDefinition(shape));
        const std::string call = HelperName(shape) + "(";
        const std::string leftText = ExpressionText(tokens, left, at, false);
        edits->push_back({tokens[at].offset, tokens[right].offset - tokens[at].offset,
                          compound ? "= " + call + leftText + ", " : std::string(", ")});
        if (!compound) {
            edits->push_back({tokens[left].offset, 0, call});
        }
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
