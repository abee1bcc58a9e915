#include "scalar_matrix_casts.h"

#include "expression_types.h"
#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The token past the operand of a cast whose ')' is at `close`: a group in
// parentheses, or a name with its members, indexes and calls; `close` + 1
// where the operand is of another form.
size_t CastOperandEnd(const Tokens& tokens, size_t close) {
    size_t at = close + 1;
    if (IsToken(tokens, at, "(")) {
        return ClosingBracket(tokens, at) + 1;
    }
    if (!IsIdentifier(tokens, at)) {
        return close + 1;
    }
    while (at + 1 < tokens.size()) {
        if (IsToken(tokens, at + 1, ".") && IsIdentifier(tokens, at + 2)) {
            at += 2;
        } else if (IsToken(tokens, at + 1, "[") || IsToken(tokens, at + 1, "(")) {
            at = ClosingBracket(tokens, at + 1);
        } else {
            break;
        }
    }
    return at + 1;
}

// The matrix's element type as glslang computes it: double, else float.
const char* ElementCast(const NumericTypeName& matrix) {
    return matrix.base == "double" ? "(double)" : "(float)";
}

} // namespace

void ConvertScalarsCastToMatrices(const Tokens& tokens, std::vector<TextEdit>* edits) {
    LazyExpressionTypes types(tokens); // built at the first cast to a matrix
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        NumericTypeName matrix;
        if (!LooksLikeMatrixType(tokens[at].text) || !IsToken(tokens, at - 1, "(") ||
            !IsToken(tokens, at + 1, ")") || !ReadNumericTypeName(tokens[at].text, &matrix) ||
            matrix.columns == 0) {
            continue;
        }
        const size_t end = CastOperandEnd(tokens, at + 1);
        if (end > tokens.size() || end <= at + 2) {
            continue;
        }
        const std::optional<ExpressionType> operand = types->TypeOf(at + 2, end);
        const bool element =
            operand && operand->base == (matrix.base == "double" ? "double" : "float");
        if (operand && operand->IsScalar() && !element && operand->base != "half") {
            edits->push_back({tokens[at + 2].offset, 0, ElementCast(matrix)});
        }
    }
}

} // namespace d3dcompiler_standin
