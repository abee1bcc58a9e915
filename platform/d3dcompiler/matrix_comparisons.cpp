#include "matrix_comparisons.h"
#include "expression_types.h"
#include "numeric_type_names.h"

#include <map>
#include <optional>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using namespace std::string_literals;

using Tokens = std::vector<HlslToken>;

// The comparison operator starting at `at`, as written ("<", ">=", "!="),
// and the number of tokens it takes; empty when there is none.
std::pair<std::string, size_t> ComparisonAt(const Tokens& tokens, size_t at) {
    if (at >= tokens.size()) {
        return {"", 0};
    }
    const std::string& text = tokens[at].text;
    const bool equalsNext = at + 1 < tokens.size() && tokens[at + 1].text == "=" &&
                            Adjacent(tokens[at], tokens[at + 1]);
    if (text == "<" || text == ">") {
        if (at + 1 < tokens.size() && tokens[at + 1].text == text) {
            return {"", 0}; // a shift
        }
        return {text + (equalsNext ? "=" : ""), equalsNext ? 2 : 1};
    }
    if ((text == "=" || text == "!") && equalsNext) {
        return {text + "=", 2};
    }
    return {"", 0};
}

std::string OperatorName(const std::string& comparison) {
    static const std::map<std::string, std::string> kNames = {
        {"<", "less"},           {">", "greater"}, {"<=", "less_equal"},
        {">=", "greater_equal"}, {"==", "equal"},  {"!=", "not_equal"}};
    return kNames.at(comparison);
}

// Past the right operand starting at `at`: up to what binds less tightly.
size_t RightOperandEnd(const Tokens& tokens, size_t at) {
    static const std::set<std::string> kEnds = {";", ",", ")", "]", "}", "?", ":",
                                                "&", "|", "<", ">", "=", "!", "{"};
    for (; at < tokens.size() && kEnds.count(tokens[at].text) == 0; ++at) {
        if (tokens[at].text == "(" || tokens[at].text == "[") {
            at = ClosingBracket(tokens, at);
        }
    }
    return at;
}

// Where the left operand of the comparison at `op` starts: back over what
// binds more tightly than a comparison.
size_t LeftOperandStart(const Tokens& tokens, size_t op) {
    static const std::set<std::string> kStarts = {"=", "(", ",", "return", "?", ":", "&", "|",
                                                  "!", ";", "{", "}",      "<", ">", "["};
    size_t start = op;
    while (start > 0 && kStarts.count(tokens[start - 1].text) == 0) {
        const std::string& text = tokens[start - 1].text;
        if (text != ")" && text != "]") {
            --start;
            continue;
        }
        start = OpeningBracket(tokens, start - 1);
    }
    return start;
}

// The matrix shape the comparison of tokens[left, op) with tokens[right, end)
// is made in; "" where the operands do not fit one.
std::string ComparedShape(const ExpressionTypes& types, size_t left, size_t op, size_t right,
                          size_t end) {
    std::optional<ExpressionType> a = types.TypeOf(left, op);
    return a ? RowByRowShape(a, types.TypeOf(right, end)) : "";
}

// Whether the '>' at `at` closes a template's arguments ("matrix<float, 2, 2>").
bool ClosesTemplate(const Tokens& tokens, size_t at) {
    if (tokens[at].text != ">") {
        return false;
    }
    for (size_t open = at; open > 0;) {
        const std::string& text = tokens[--open].text;
        if (text == ";" || text == "{" || text == "}") {
            return false;
        }
        if (text == "<") {
            return ClosingBracket(tokens, open) == at;
        }
    }
    return false;
}

} // namespace

std::string RowByRowShape(const std::optional<ExpressionType>& a,
                          const std::optional<ExpressionType>& b) {
    if (!a || !b || !(a->IsMatrix() || b->IsMatrix())) {
        return "";
    }
    const ExpressionType& matrix = a->IsMatrix() ? *a : *b;
    const ExpressionType& other = a->IsMatrix() ? *b : *a;
    const bool fits = other.IsScalar() || (other.IsMatrix() && other.rows == matrix.rows &&
                                           other.columns == matrix.columns);
    return fits ? matrix.MatrixShape() : "";
}

std::string RowByRowHelper(const std::string& name, const std::string& shape,
                           const std::string& op) {
    // Appended piece by piece: GCC 12 warns (-Wrestrict, wrongly) on a
    // literal added to a temporary string.
    const std::string type = "float" + shape;
    std::string rows;
    for (int r = 0; r < shape[0] - '0'; ++r) {
        const std::string index = std::to_string(r);
        for (const std::string& piece :
             {r > 0 ? ", a["s : "a["s, index, "] "s, op, " b["s, index, "]"s}) {
            rows += piece;
        }
    }
    std::string definition = "#ifndef ";
    for (const std::string& piece :
         {name, "_defined\n#define "s, name, "_defined\n"s, type, " "s, name, "("s, type, " a, "s,
          type, " b) { return "s, type, "("s, rows, "); }\n#endif\n"s}) {
        definition += piece;
    }
    return definition;
}

std::map<std::string, std::string> MatrixNames(const Tokens& tokens) {
    std::map<std::string, std::string> names;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        NumericTypeName type;
        if (ReadNumericTypeName(tokens[at].text, &type) && type.columns > 0 &&
            IsIdentifier(tokens, at + 1) && !IsToken(tokens, at + 2, "(")) {
            names[tokens[at + 1].text] =
                std::to_string(type.size) + "x" + std::to_string(type.columns);
        }
    }
    return names;
}

void RewriteMatrixComparisons(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    if (!NamesAMatrixType(tokens)) {
        return;
    }
    LazyExpressionTypes types(tokens); // built at the first comparison
    std::set<std::string> helpers;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        const auto [comparison, length] = ComparisonAt(tokens, at);
        if (length == 0 ||
            (tokens[at - 1].text == tokens[at].text && Adjacent(tokens[at - 1], tokens[at]))) {
            continue; // none, or the second half of a shift
        }
        if (ClosesTemplate(tokens, at)) {
            continue;
        }
        const size_t start = LeftOperandStart(tokens, at);
        const size_t end = RightOperandEnd(tokens, at + length);
        if (start == at || end == at + length || end >= tokens.size()) {
            continue;
        }
        const std::string shape = ComparedShape(types.Get(), start, at, at + length, end);
        if (shape.empty()) {
            continue;
        }
        const std::string name = "standin_" + OperatorName(comparison) + "_" + shape;
        helpers.insert(RowByRowHelper(name, shape, comparison));
        edits->push_back({tokens[start].offset, 0, name + "("});
        const size_t opEnd = tokens[at + length - 1].offset + 1;
        edits->push_back({tokens[at].offset, opEnd - tokens[at].offset, ","});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
        at += length - 1;
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
