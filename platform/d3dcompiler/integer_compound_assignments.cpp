#include "integer_compound_assignments.h"
#include "expression_types.h"
#include "function_scan.h"
#include "numeric_type_names.h"

#include <optional>
#include <string>
#include <string_view>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Whether tokens[at] and the next make "+=", "-=", "*=", "/=" or "%=".
bool IsArithmeticAssignment(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    return text.size() == 1 && std::string_view("+-*/%").find(text[0]) != std::string_view::npos &&
           IsToken(tokens, at + 1, "=") && Adjacent(tokens[at], tokens[at + 1]);
}

// Whether some declaration before `at` gives the name tokens[at] an int or
// uint type: a cheap test before the expressions are typed.
bool DeclaredAsInteger(const Tokens& tokens, size_t at) {
    for (size_t k = at; k > 1; --k) {
        NumericTypeName type;
        if (tokens[k - 1].text == tokens[at].text &&
            ReadNumericTypeName(tokens[k - 2].text, &type) && type.columns == 0) {
            const std::string_view element = IntegerElementOf(type.base);
            if (element == "int" || element == "uint") {
                return true;
            }
        }
    }
    return false;
}

bool IsFloatingBase(const std::string& base) {
    return base == "float" || base == "half" || base == "double" || base == "min16float" ||
           base == "min10float";
}

} // namespace

void RewriteIntegerCompoundAssignments(const Tokens& tokens, std::vector<TextEdit>* edits) {
    LazyExpressionTypes types(tokens); // built at the first integer target
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        if (!IsArithmeticAssignment(tokens, at)) {
            continue;
        }
        const size_t start = PostfixOperandStart(tokens, at);
        if (start == at || !IsIdentifier(tokens, start) || !DeclaredAsInteger(tokens, start)) {
            continue;
        }
        const size_t end = ValueEnd(tokens, at + 2, tokens.size());
        if (end >= tokens.size() || end == at + 2) {
            continue;
        }
        const std::optional<ExpressionType> target = types->TypeOf(start, at);
        const std::optional<ExpressionType> value = types->TypeOf(at + 2, end);
        if (!target || !value || target->IsArray() || target->IsMatrix() || target->structure ||
            IsFloatingBase(target->base) || !IsFloatingBase(value->base) ||
            !types->Repeatable(start, at)) {
            continue;
        }
        const std::string op = tokens[at].text;
        const std::string operand = ExpressionText(tokens, start, at, false);
        edits->push_back({tokens[at].offset, 2, "= " + operand + " " + op + " ("});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
        at = end;
    }
}

} // namespace d3dcompiler_standin
