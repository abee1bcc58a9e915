#include "integer_matrix_values.h"

#include "expression_types.h"
#include "function_scan.h"
#include "matrix_rewrites.h"
#include "numeric_type_names.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool IsIntegerBase(std::string_view base) {
    return !IntegerElementOf(base).empty();
}

// "int2x2" for an integer or bool matrix type, "" otherwise.
std::string IntegerMatrixName(const std::optional<ExpressionType>& type) {
    if (!type || !type->IsMatrix() || !IsIntegerBase(type->base)) {
        return "";
    }
    return type->base + type->MatrixShape();
}

// Whether the '=' at `at` assigns: not part of ==, <=, >=, != or a compound
// assignment.
bool IsPlainAssignment(const Tokens& tokens, size_t at) {
    if (tokens[at].text != "=" || at == 0) {
        return false;
    }
    const bool joinedBefore =
        Adjacent(tokens[at - 1], tokens[at]) && tokens[at - 1].kind == HlslToken::Kind::Punctuation;
    const bool joinedAfter = at + 1 < tokens.size() && tokens[at + 1].text == "=" &&
                             Adjacent(tokens[at], tokens[at + 1]);
    return !joinedBefore && !joinedAfter;
}

// Where the assigned name or member chain ending before `at` starts: a
// declaration's name alone, or "s.m", "a[1]".
size_t AssignedStart(const Tokens& tokens, size_t at) {
    size_t start = PostfixOperandStart(tokens, at);
    while (start + 1 < at && IsIdentifier(tokens, start) && IsIdentifier(tokens, start + 1)) {
        ++start; // past the declaration's type and modifiers
    }
    return start;
}

// Whether tokens[at] begins "*=", "/=", "+=" or "-=".
bool IsCompoundAssignment(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    return (text == "*" || text == "/" || text == "+" || text == "-") && at + 2 < tokens.size() &&
           tokens[at + 1].text == "=" && Adjacent(tokens[at], tokens[at + 1]) &&
           tokens[at + 2].text != "=";
}

class Conversions {
public:
    explicit Conversions(std::vector<TextEdit>* edits) : edits_(edits) {}

    // Converts tokens[first, end) into the matrix type `type` names. An
    // assigned value's call opens with its '=' (`assignment`), so that it
    // wraps what other rewrites insert at the value's start.
    void Wrap(const Tokens& tokens, size_t first, size_t end, const std::string& type,
              bool assignment) {
        std::string definition;
        const std::string helper = IntegerMatrixConversion(type, &definition);
        if (helper.empty() || end <= first || end > tokens.size()) {
            return;
        }
        definitions_.insert(definition);
        if (assignment) {
            edits_->push_back({tokens[first - 1].offset, 1, "= " + helper + "("});
        } else {
            edits_->push_back({tokens[first].offset, 0, helper + "("});
        }
        edits_->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
    }

    // "i op= v" for the integer matrix `type` i: "i = helper(i op (v))".
    void WrapCompound(const Tokens& tokens, size_t start, size_t op, size_t end,
                      const std::string& type) {
        std::string definition;
        const std::string helper = IntegerMatrixConversion(type, &definition);
        if (helper.empty()) {
            return;
        }
        definitions_.insert(definition);
        const std::string target = ExpressionText(tokens, start, op, false);
        edits_->push_back(
            {tokens[op].offset, 2, "= " + helper + "(" + target + " " + tokens[op].text + " ("});
        edits_->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, "))"});
    }

    void Define() const { DefineHelpersFirst(definitions_, edits_); }

private:
    std::vector<TextEdit>* edits_;
    std::set<std::string> definitions_;
};

// Whether any token names an integer or bool matrix type.
bool NamesAnIntegerMatrix(const Tokens& tokens) {
    for (const HlslToken& token : tokens) {
        NumericTypeName type;
        if (token.kind == HlslToken::Kind::Identifier &&
            (token.text == "matrix" ||
             (LooksLikeMatrixType(token.text) && ReadNumericTypeName(token.text, &type) &&
              type.columns > 0 && IsIntegerBase(type.base)))) {
            return true;
        }
    }
    return false;
}

// "i /= 2", "i *= 1.5", "i += f" on an integer matrix: the result converts
// back into it. A product of two matrices is matrix_products.cpp's, and of
// integers stays integral.
void ConvertCompound(const Tokens& tokens, size_t op, LazyExpressionTypes& types,
                     Conversions* conversions) {
    const size_t start = AssignedStart(tokens, op);
    const size_t end = ValueEnd(tokens, op + 2, tokens.size());
    if (start == op || end == op + 2 || end >= tokens.size() || !types->Repeatable(start, op)) {
        return;
    }
    const std::string target = IntegerMatrixName(types->TypeOf(start, op));
    const std::optional<ExpressionType> value = types->TypeOf(op + 2, end);
    if (target.empty() || !value || (tokens[op].text == "*" && value->IsMatrix())) {
        return;
    }
    conversions->WrapCompound(tokens, start, op, end, target);
}

} // namespace

void ConvertIntegerMatrixValues(const Tokens& tokens, std::vector<TextEdit>* edits) {
    if (!NamesAnIntegerMatrix(tokens)) {
        return;
    }
    LazyExpressionTypes types(tokens);
    Conversions conversions(edits);
    int depth = 0; // braces: a static's initialiser at file scope is left as written
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        depth += text == "{" ? 1 : text == "}" ? -1 : 0;
        if (depth > 0 && IsPlainAssignment(tokens, at)) {
            const size_t start = AssignedStart(tokens, at);
            const size_t end = ValueEnd(tokens, at + 1, tokens.size());
            const std::string target =
                start < at ? IntegerMatrixName(types->TypeOf(start, at)) : "";
            if (!target.empty() && end > at + 1 && end < tokens.size()) {
                conversions.Wrap(tokens, at + 1, end, target, true);
            }
        } else if (depth > 0 && IsCompoundAssignment(tokens, at)) {
            ConvertCompound(tokens, at, types, &conversions);
        } else if (text == "/" && !IsToken(tokens, at + 1, "=")) {
            // The quotient of integer matrices, truncated as integers divide.
            const size_t left = PostfixOperandStart(tokens, at);
            const size_t end = PostfixOperandEnd(tokens, at + 1);
            if (left == at || end == at + 1 || (left > 0 && tokens[left - 1].text == "/")) {
                continue;
            }
            const std::string quotient = IntegerMatrixName(types->TypeOf(left, at));
            const std::optional<ExpressionType> divisor = types->TypeOf(at + 1, end);
            if (!quotient.empty() && divisor && IsIntegerBase(divisor->base)) {
                conversions.Wrap(tokens, left, end, quotient, false);
            }
        }
    }
    conversions.Define();
}

} // namespace d3dcompiler_standin
