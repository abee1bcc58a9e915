#include "integer_matrix_bitwise.h"
#include "expression_types.h"
#include "numeric_type_names.h"

#include <cstring>
#include <optional>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The bitwise operator at `at` and the number of tokens it takes; none for
// &&, ||, a compound assignment or a comparison.
std::pair<std::string, size_t> BitwiseAt(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    const bool joinedNext = at + 1 < tokens.size() && Adjacent(tokens[at], tokens[at + 1]);
    const std::string next = joinedNext ? tokens[at + 1].text : "";
    const bool joinedBefore = at > 0 && Adjacent(tokens[at - 1], tokens[at]) &&
                              tokens[at - 1].kind == HlslToken::Kind::Punctuation &&
                              tokens[at - 1].text != ")" && tokens[at - 1].text != "]";
    if (joinedBefore) {
        return {"", 0};
    }
    if ((text == "&" || text == "|" || text == "^") && next != text && next != "=") {
        return {text, 1};
    }
    const bool joinedAfterShift = at + 2 < tokens.size() && tokens[at + 2].text == "=" &&
                                  Adjacent(tokens[at + 1], tokens[at + 2]);
    if ((text == "<" || text == ">") && next == text && !joinedAfterShift) {
        return {text + text, 2};
    }
    return {"", 0};
}

// The arithmetic operator (+, -, *) at `at`; empty for ++, --, a compound
// assignment or one joined to the operator before it.
std::string ArithmeticAt(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    const bool joinedNext = at + 1 < tokens.size() && Adjacent(tokens[at], tokens[at + 1]);
    const std::string next = joinedNext ? tokens[at + 1].text : "";
    const bool joinedBefore = at > 0 && Adjacent(tokens[at - 1], tokens[at]) &&
                              (tokens[at - 1].text == text || tokens[at - 1].text == "=");
    return (text == "+" || text == "-" || text == "*") && next != text && next != "=" &&
                   !joinedBefore
               ? text
               : "";
}

// Whether a type name the tokens hold is an unsigned integer matrix's: only
// then can + - * of matrices need to wrap.
bool NamesAnUnsignedMatrix(const Tokens& tokens) {
    for (const HlslToken& token : tokens) {
        NumericTypeName type;
        const char first = token.text[0];
        if ((first == 'u' || first == 'm' || first == 'd') && LooksLikeMatrixType(token.text) &&
            ReadNumericTypeName(token.text, &type) &&
            IntegerElementOf(std::string(type.base)) == "uint") {
            return true;
        }
    }
    return false;
}

bool IsIntegerBase(const std::string& base) {
    return !IntegerElementOf(base).empty();
}

bool IsUnsigned(const std::string& base) {
    return IntegerElementOf(base) == "uint";
}

// The integer type a row is taken as: unsigned where an operand is (the left
// one alone for a shift), else signed.
std::string RowBase(const ExpressionType& a, const std::optional<ExpressionType>& b, bool shift) {
    return IsUnsigned(a.base) || (!shift && b && IsUnsigned(b->base)) ? "uint" : "int";
}

std::string OperatorName(const std::string& op) {
    return op == "&"    ? "and"
           : op == "|"  ? "or"
           : op == "^"  ? "xor"
           : op == "<<" ? "shl"
           : op == ">>" ? "shr"
           : op == "+"  ? "add"
           : op == "-"  ? "sub"
           : op == "*"  ? "mul"
                        : "not";
}

// A function of the shape and row type applying `op` row by row, an operand
// that is a scalar (`scalars`: 1 the left, 2 the right) taken as a row of it.
// glslang's scalar-to-matrix cast is no splat, so scalars stay scalars.
std::string Helper(const std::string& name, const ExpressionType& matrix, const std::string& base,
                   const std::string& op, int scalars) {
    const std::string type = "float" + matrix.MatrixShape();
    const std::string row = base + std::to_string(matrix.columns);
    std::string rows;
    for (int r = 0; r < matrix.rows; ++r) {
        const std::string index = std::string("[").append(std::to_string(r)).append("]");
        const std::string a = row + "(a" + (scalars == 1 ? "" : index) + ")";
        const std::string b = row + "(b" + (scalars == 2 ? "" : index) + ")";
        const std::string value = op == "~" ? "~" + a : a + " " + op + " " + b;
        rows += (r > 0 ? ", float" : "float") + std::to_string(matrix.columns) + "(" + value + ")";
    }
    std::string parameters = (scalars == 1 ? "float" : type) + " a";
    if (op != "~") {
        parameters += ", " + (scalars == 2 ? "float" : type) + " b";
    }
    return "#ifndef " + name + "_defined\n#define " + name + "_defined\n" + type + " " + name +
           "(" + parameters + ") { return " + type + "(" + rows + "); }\n#endif\n";
}

// How tightly the binary operator at `at` binds, higher tighter; 0 for what
// ends an operand (a bracket, a comma, an assignment, ?:, a statement).
int Precedence(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    const bool joinedNext = at + 1 < tokens.size() && Adjacent(tokens[at], tokens[at + 1]);
    const std::string next = joinedNext ? tokens[at + 1].text : "";
    if (text == "&" || text == "|") {
        return next == text ? 1 : next == "=" ? 0 : text == "&" ? 5 : 3;
    }
    if (text == "^") {
        return next == "=" ? 0 : 4;
    }
    const bool joinedPrevious = at > 0 && Adjacent(tokens[at - 1], tokens[at]);
    const std::string previous = joinedPrevious ? tokens[at - 1].text : "";
    if (text == "=" && (previous == "=" || previous == "!")) {
        return 6;
    }
    if (text == "=" && (previous == "<" || previous == ">")) {
        return at > 1 && Adjacent(tokens[at - 2], tokens[at - 1]) && tokens[at - 2].text == previous
                   ? 0
                   : 7;
    }
    if (text == "=" || text == "!") {
        return next == "=" ? 6 : 0;
    }
    if (text == "<" || text == ">") {
        return next == text ? 8 : 7;
    }
    if (text == "+" || text == "-") {
        return 9;
    }
    return text == "*" || text == "/" || text == "%" ? 10 : 0;
}

// Whether the operands tokens[start, op) and tokens[right, end) of an
// operator binding at `level` are all it takes: what stands outside them
// binds less tightly (or as tightly on the right, read left to right).
bool Bounded(const Tokens& tokens, size_t start, size_t end, int level) {
    const bool leftBounded = start == 0 || Precedence(tokens, start - 1) < level;
    return leftBounded && (end >= tokens.size() || Precedence(tokens, end) <= level);
}

// Where the operand ending before tokens[op] starts, a literal included;
// `op` for none.
size_t OperandStart(const Tokens& tokens, size_t op) {
    const size_t start = PostfixOperandStart(tokens, op);
    return start == op && op > 0 && tokens[op - 1].kind == HlslToken::Kind::Number ? op - 1 : start;
}

// Where the operand starting at `at` ends, a leading ~ included; `at` for
// none.
size_t OperandEnd(const Tokens& tokens, size_t at) {
    const size_t first = IsToken(tokens, at, "~") ? at + 1 : at;
    const size_t end = PostfixOperandEnd(tokens, first);
    return end == first ? at : end;
}

// The tokens the operator starting at `at` takes: two for <<, ==, &&, ...
size_t OperatorLength(const Tokens& tokens, size_t at) {
    const bool joined = at + 1 < tokens.size() && Adjacent(tokens[at], tokens[at + 1]) &&
                        tokens[at].kind == HlslToken::Kind::Punctuation &&
                        tokens[at + 1].kind == HlslToken::Kind::Punctuation;
    return joined && std::strchr("=!<>&|", tokens[at].text[0]) != nullptr &&
                   std::strchr("=<>&|", tokens[at + 1].text[0]) != nullptr
               ? 2
               : 1;
}

// The left operand of an operator binding at `level` reaches back over the
// operators binding at least as tightly before it, read left to right
// ("a & b & c" is "(a & b) & c").
size_t ChainStart(const Tokens& tokens, size_t start, int level) {
    while (start > 1) {
        size_t op = start - 1;
        if (op > 0 && Adjacent(tokens[op - 1], tokens[op]) && OperatorLength(tokens, op - 1) == 2) {
            --op;
        }
        const size_t before = OperandStart(tokens, op);
        if (Precedence(tokens, op) < level || before == op) {
            break;
        }
        start = before;
    }
    return start;
}

// The right operand reaches on over the operators binding more tightly
// after it ("a | b & c" is "a | (b & c)").
size_t ChainEnd(const Tokens& tokens, size_t end, int level) {
    while (end < tokens.size() && Precedence(tokens, end) > level) {
        const size_t operand = end + OperatorLength(tokens, end);
        const size_t after = OperandEnd(tokens, operand);
        if (after == operand) {
            break;
        }
        end = after;
    }
    return end;
}

// The integer matrix type of tokens[first, end), none otherwise.
std::optional<ExpressionType> IntegerMatrix(const ExpressionTypes& types, size_t first,
                                            size_t end) {
    std::optional<ExpressionType> type = types.TypeOf(first, end);
    if (!type || !type->IsMatrix() || !IsIntegerBase(type->base)) {
        return std::nullopt;
    }
    return type;
}

struct Rewriter {
    const Tokens& tokens;
    LazyExpressionTypes types;
    std::set<std::string> helpers;
    std::vector<TextEdit>* edits;

    void Binary(size_t at, const std::string& op, size_t length) {
        const int level = Precedence(tokens, at);
        const size_t start = ChainStart(tokens, OperandStart(tokens, at), level);
        const size_t end = ChainEnd(tokens, OperandEnd(tokens, at + length), level);
        if (start == at || end == at + length || !Bounded(tokens, start, end, level)) {
            return;
        }
        std::optional<ExpressionType> a = types->TypeOf(start, at);
        std::optional<ExpressionType> b = a ? types->TypeOf(at + length, end) : std::nullopt;
        if (!a || !b || (!a->IsMatrix() && !b->IsMatrix())) {
            return;
        }
        const ExpressionType& matrix = a->IsMatrix() ? *a : *b;
        const ExpressionType& other = a->IsMatrix() ? *b : *a;
        const bool fits = other.IsScalar() || (other.IsMatrix() && other.rows == matrix.rows &&
                                               other.columns == matrix.columns);
        if (!fits || !IsIntegerBase(matrix.base) || !IsIntegerBase(other.base)) {
            return;
        }
        const int scalars = a->IsScalar() ? 1 : b->IsScalar() ? 2 : 0;
        const std::string base = RowBase(*a, b, op.size() == 2);
        if (std::strchr("+-*", op[0]) != nullptr && base != "uint") {
            return; // signed values are exact as floats up to 2^24; only uint wraps
        }
        const std::string name = "standin_" + OperatorName(op) + "_" + base + matrix.MatrixShape() +
                                 (scalars ? "_s" + std::to_string(scalars) : "");
        helpers.insert(Helper(name, matrix, base, op, scalars));
        edits->push_back({tokens[start].offset, 0, name + "("});
        const size_t opEnd = tokens[at + length - 1].offset + 1;
        edits->push_back({tokens[at].offset, opEnd - tokens[at].offset, ","});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
    }

    void Not(size_t at) {
        const size_t end = PostfixOperandEnd(tokens, at + 1);
        std::optional<ExpressionType> a =
            end == at + 1 ? std::nullopt : IntegerMatrix(types.Get(), at + 1, end);
        if (!a) {
            return;
        }
        const std::string base = RowBase(*a, std::nullopt, false);
        const std::string name = "standin_not_" + base + a->MatrixShape();
        helpers.insert(Helper(name, *a, base, "~", 0));
        edits->push_back({tokens[at].offset, 1, name + "("});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
    }
};

} // namespace

void RewriteIntegerMatrixBitwise(const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits) {
    if (!NamesAMatrixType(tokens)) {
        return;
    }
    Rewriter rewriter{tokens, LazyExpressionTypes(tokens), {}, edits};
    const char* operators = NamesAnUnsignedMatrix(tokens) ? "&|^<>~+-*" : "&|^<>~";
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text.size() != 1 || std::strchr(operators, text[0]) == nullptr) {
            continue; // the common case, told cheaply
        }
        if (text == "~") {
            rewriter.Not(at);
            continue;
        }
        const std::string arithmetic = ArithmeticAt(tokens, at);
        if (!arithmetic.empty()) {
            rewriter.Binary(at, arithmetic, 1);
            continue;
        }
        const auto [op, length] = BitwiseAt(tokens, at);
        if (length > 0) {
            rewriter.Binary(at, op, length);
            at += length - 1;
        }
    }
    DefineHelpersFirst(rewriter.helpers, edits);
}

} // namespace d3dcompiler_standin
