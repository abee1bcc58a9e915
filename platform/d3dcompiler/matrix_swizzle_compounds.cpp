#include "matrix_swizzle_compounds.h"

#include "expression_types.h"
#include "matrix_swizzles.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Whether tokens[at] and the one after it are a compound assignment of
// arithmetic ("+=", "*=").
bool IsArithmeticCompound(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    return text.size() == 1 && std::string("+-*/%").find(text[0]) != std::string::npos &&
           IsToken(tokens, at + 1, "=") && Adjacent(tokens[at], tokens[at + 1]) &&
           !IsToken(tokens, at + 2, "=");
}

// The ';' ending the statement whose value starts at `at`, or tokens.size()
// where a brace or another matrix swizzle comes first (a nested rewrite).
size_t StatementEnd(const Tokens& tokens, size_t at) {
    for (; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[") {
            at = ClosingBracket(tokens, at);
        } else if (text == ";") {
            return at;
        } else if (text == "{" || text == "}" ||
                   (text == "." && at + 1 < tokens.size() && tokens[at + 1].text[0] == '_')) {
            break;
        }
    }
    return tokens.size();
}

// "= float2(m._11, m._22) + (" for the matrix chain tokens[start, dot) and
// its swizzle; empty where the chain's type is not a known matrix.
std::string SimpleAssignment(const Tokens& tokens, size_t start, size_t dot, size_t op,
                             const ExpressionTypes& view) {
    const std::vector<std::string> elements = MatrixSwizzleElements(tokens[dot + 1].text);
    std::optional<ExpressionType> matrix = view.TypeOf(start, dot);
    if (elements.size() < 2 || elements.size() > 4 || !matrix || !matrix->IsMatrix() ||
        !view.Repeatable(start, dot)) {
        return "";
    }
    const std::string chain = ExpressionText(tokens, start, dot, true);
    std::string text = "= " + matrix->base + std::to_string(elements.size()) + "(";
    for (size_t i = 0; i < elements.size(); ++i) {
        text += (i == 0 ? "" : ", ") + chain + "." + elements[i];
    }
    return text + ") " + tokens[op].text + " (";
}

} // namespace

void RewriteMatrixSwizzleCompounds(const std::vector<HlslToken>& tokens,
                                   std::vector<TextEdit>* edits) {
    LazyExpressionTypes types(tokens); // built at the first such assignment
    for (size_t dot = 1; dot + 3 < tokens.size(); ++dot) {
        if (!IsChar(tokens[dot], '.') || tokens[dot + 1].text[0] != '_' ||
            !IsArithmeticCompound(tokens, dot + 2)) {
            continue;
        }
        const size_t op = dot + 2;
        const size_t end = StatementEnd(tokens, op + 2);
        const size_t start = PostfixOperandStart(tokens, dot);
        if (end == tokens.size() || start == dot) {
            continue;
        }
        const std::string text = SimpleAssignment(tokens, start, dot, op, types.Get());
        if (!text.empty()) {
            edits->push_back(
                {tokens[op].offset, tokens[op + 1].offset + 1 - tokens[op].offset, text});
            edits->push_back({tokens[end].offset, 0, ")"});
        }
    }
}

} // namespace d3dcompiler_standin
