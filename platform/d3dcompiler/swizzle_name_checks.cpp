#include "swizzle_name_checks.h"

#include "expression_types.h"

namespace d3dcompiler_standin {
namespace {

// Whether `name` could be a swizzle only to glslang: one to four of
// xyzwrgbastpq with one of stpq among them.
bool IsTextureCoordinateSwizzle(const std::string& name) {
    if (name.empty() || name.size() > 4 || name.find_first_of("stpq") == std::string::npos) {
        return false;
    }
    return name.find_first_not_of("xyzwrgbastpq") == std::string::npos;
}

} // namespace

void CheckSwizzleNames(const std::vector<HlslToken>& tokens, std::string* errors) {
    LazyExpressionTypes types(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (!IsChar(tokens[at], '.') || !IsIdentifier(tokens, at + 1) ||
            !IsTextureCoordinateSwizzle(tokens[at + 1].text)) {
            continue;
        }
        const size_t operand = PostfixOperandStart(tokens, at);
        if (operand == at) {
            continue;
        }
        const std::optional<ExpressionType> type = types->TypeOf(operand, at);
        if (type && type->resource.empty() && !type->structure && !type->IsArray() &&
            !type->IsMatrix()) {
            *errors += SourceError(tokens[at + 1],
                                   "invalid subscript '" + tokens[at + 1].text + "'", "X3018") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
