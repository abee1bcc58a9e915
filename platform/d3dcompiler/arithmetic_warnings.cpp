#include "function_scan.h"
#include "numeric_type_names.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// What an operand's components are computed as.
enum Sign { Unknown = 0, Signed = 1, Unsigned = 2, Floating = 3 };

int SignOf(const std::string& type) {
    NumericTypeName numeric;
    if (!ReadNumericTypeName(type, &numeric) || numeric.columns != 0) {
        return Unknown;
    }
    const std::string_view integer = IntegerElementOf(numeric.base);
    if (integer == "int") {
        return Signed;
    }
    if (integer == "uint") {
        return Unsigned;
    }
    return integer.empty() ? Floating : Unknown;
}

int SignOfLiteral(const std::string& text) {
    const bool hex = text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char last = text.back();
    if (last == 'u' || last == 'U') {
        return Unsigned;
    }
    if (hex) {
        return Signed;
    }
    const bool floating =
        text.find_first_of(".eEfFhH") != std::string::npos || last == 'l' || last == 'L';
    return floating ? Floating : Signed;
}

// One operand of a binary operator, where it is a literal or a name (a
// member or swizzle of one) alone: the operator's neighbours bind less
// tightly, so the operand's type is its own.
struct Operand {
    size_t first = 0;
    size_t last = 0;
    int sign = Unknown;
    bool literal = false;
};

bool IsSwizzle(const std::string& text) {
    return text.size() <= 4 && (text.find_first_not_of("xyzw") == std::string::npos ||
                                text.find_first_not_of("rgba") == std::string::npos);
}

// The sign of a name, a member's or a vector's whose components a swizzle
// picks.
int SignOfName(const Tokens& tokens, size_t first, size_t last,
               const std::map<std::string, int>& names) {
    auto found = names.end();
    if (last > first && IsSwizzle(tokens[last].text)) {
        found = names.find(tokens[last - 2].text);
    }
    if (found == names.end()) {
        found = names.find(tokens[last].text);
    }
    return found == names.end() || found->second < 0 ? Unknown : found->second;
}

// Whether `token`, beside an operand, binds it to more than the operator
// does: a product's or (for a comparison) a sum's or shift's other operand,
// a cast, a member access.
bool BindsTighter(const HlslToken& token, bool comparison) {
    if (token.text.size() != 1) {
        return false;
    }
    const char c = token.text[0];
    const bool product = c == '*' || c == '/' || c == '%' || c == ')' || c == '.';
    return product || (comparison && (c == '+' || c == '-' || c == '<' || c == '>'));
}

Operand LeftOperand(const Tokens& tokens, size_t op, const std::map<std::string, int>& names,
                    bool comparison) {
    Operand operand;
    if (op == 0 ||
        (tokens[op - 1].kind != HlslToken::Kind::Number && !IsIdentifier(tokens, op - 1))) {
        return operand;
    }
    operand.last = op - 1;
    operand.first = op - 1;
    while (operand.first >= 2 && IsChar(tokens[operand.first - 1], '.') &&
           IsIdentifier(tokens, operand.first - 2)) {
        operand.first -= 2;
    }
    if (operand.first > 0 && BindsTighter(tokens[operand.first - 1], comparison)) {
        return operand;
    }
    operand.literal = tokens[operand.last].kind == HlslToken::Kind::Number;
    operand.sign = operand.literal ? SignOfLiteral(tokens[operand.last].text)
                                   : SignOfName(tokens, operand.first, operand.last, names);
    return operand;
}

Operand RightOperand(const Tokens& tokens, size_t first, const std::map<std::string, int>& names,
                     bool comparison) {
    Operand operand;
    operand.first = first;
    const bool negated = IsToken(tokens, first, "-") && first + 1 < tokens.size() &&
                         tokens[first + 1].kind == HlslToken::Kind::Number;
    operand.last = first + negated;
    const bool literal =
        operand.last < tokens.size() && tokens[operand.last].kind == HlslToken::Kind::Number;
    if (!literal && !IsIdentifier(tokens, first)) {
        return operand;
    }
    while (!literal && IsToken(tokens, operand.last + 1, ".") &&
           IsIdentifier(tokens, operand.last + 2)) {
        operand.last += 2;
    }
    const size_t next = operand.last + 1;
    if (IsToken(tokens, next, "(") || IsToken(tokens, next, "[") ||
        (comparison && next < tokens.size() && BindsTighter(tokens[next], true))) {
        return operand;
    }
    operand.literal = literal;
    operand.sign = literal ? SignOfLiteral(tokens[operand.last].text)
                           : SignOfName(tokens, operand.first, operand.last, names);
    return operand;
}

bool IsFloatZero(const HlslToken& token) {
    if (token.kind != HlslToken::Kind::Number || SignOfLiteral(token.text) != Floating) {
        return false;
    }
    return token.text.find_first_of("123456789") == std::string::npos ||
           token.text.find_first_of("eE") < token.text.find_first_of("123456789");
}

bool IsIntegerZero(const HlslToken& token) {
    return token.kind == HlslToken::Kind::Number && SignOfLiteral(token.text) == Signed &&
           token.text.find_first_not_of("0") == std::string::npos;
}

// X3556 for a division or remainder of signed integers, X4008 for a float
// divided by a literal zero; `/=` and `%=` divide as `/` and `%` do.
void WarnDivision(const Tokens& tokens, size_t op, const std::map<std::string, int>& names,
                  std::string* warnings) {
    const bool compound = IsToken(tokens, op + 1, "=");
    const Operand left = LeftOperand(tokens, op, names, false);
    const Operand right = RightOperand(tokens, op + 1 + compound, names, false);
    if (right.sign == Unknown) {
        return;
    }
    const std::string span =
        SourceSpan(tokens[left.sign == Unknown ? op : left.first], tokens[right.last]);
    const bool remainder = IsChar(tokens[op], '%');
    const bool floatZero = IsFloatZero(tokens[right.last]) ||
                           (left.sign == Floating && IsIntegerZero(tokens[right.last]));
    if (left.sign == Signed && right.sign == Signed && !(left.literal && right.literal)) {
        *warnings += span + ": warning X3556: integer " + (remainder ? "modulus" : "divides") +
                     " may be much slower, try using uints if possible.\n";
    } else if (!remainder && floatZero) {
        *warnings += span + ": warning X4008: floating point division by zero\n";
    }
}

// The '<' or '>' at `op` compares (alone or as "<=", ">="); shifts do not.
bool IsRelational(const Tokens& tokens, size_t op) {
    const char c = tokens[op].text[0];
    const bool doubled =
        (op > 0 && IsChar(tokens[op - 1], c) && Adjacent(tokens[op - 1], tokens[op])) ||
        (IsToken(tokens, op + 1, tokens[op].text.c_str()) && Adjacent(tokens[op], tokens[op + 1]));
    return !doubled;
}

// X3203: a signed integer variable compared with an unsigned value, which
// both become unsigned for.
void WarnSignMismatch(const Tokens& tokens, size_t op, const std::map<std::string, int>& names,
                      std::string* warnings) {
    if (!IsRelational(tokens, op)) {
        return;
    }
    const bool orEqual = IsToken(tokens, op + 1, "=") && Adjacent(tokens[op], tokens[op + 1]);
    const Operand left = LeftOperand(tokens, op, names, true);
    const Operand right = RightOperand(tokens, op + 1 + orEqual, names, true);
    const bool mixed = (left.sign == Signed && !left.literal && right.sign == Unsigned) ||
                       (right.sign == Signed && !right.literal && left.sign == Unsigned);
    if (mixed) {
        *warnings += SourceSpan(tokens[left.first], tokens[right.last]) +
                     ": warning X3203: signed/unsigned mismatch, unsigned assumed\n";
    }
}

// A signed remainder the rewrites turned into a call of their helper
// ("a % b" into "standin_remainder_int(a, b)"), which they do where both
// operands are signed integers.
void WarnRewrittenRemainder(const Tokens& tokens, size_t at, std::string* warnings) {
    // From the first operand to the last: "a % b" as written.
    const size_t close = ClosingBracket(tokens, at + 1);
    *warnings += SourceSpan(tokens[at + 2], tokens[close > at + 2 ? close - 1 : at]) +
                 ": warning X3556: integer modulus may be much slower, try using uints if "
                 "possible.\n";
}

bool IsRewrittenRemainder(const HlslToken& token) {
    return token.kind == HlslToken::Kind::Identifier &&
           token.text.compare(0, 18, "standin_remainder_") == 0;
}

} // namespace

void WarnArithmetic(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                    std::string* warnings) {
    std::map<std::string, int> names;
    bool measured = false;
    for (const FunctionDefinition& function : functions) {
        if (tokens[function.name].text.compare(0, 8, "standin_") == 0) {
            continue; // the rewrites' own helpers
        }
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at < end; ++at) {
            const HlslToken& token = tokens[at];
            if (IsRewrittenRemainder(token) && IsToken(tokens, at + 1, "(")) {
                WarnRewrittenRemainder(tokens, at, warnings);
                continue;
            }
            const bool division = IsChar(token, '/') || IsChar(token, '%');
            if (!division && !IsChar(token, '<') && !IsChar(token, '>')) {
                continue;
            }
            if (!measured) {
                names = MeasureDeclaredNames(tokens, SignOf);
                measured = true;
            }
            if (division) {
                WarnDivision(tokens, at, names, warnings);
            } else {
                WarnSignMismatch(tokens, at, names, warnings);
            }
        }
    }
}

} // namespace d3dcompiler_standin
