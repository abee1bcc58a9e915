#include "function_scan.h"
#include "numeric_type_names.h"
#include "resource_declarations.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Components of a scalar or vector type name; 0 for anything else.
int ComponentsOf(const std::string& type) {
    NumericTypeName numeric;
    if (!ReadNumericTypeName(type, &numeric) || numeric.columns != 0) {
        return 0;
    }
    return numeric.size == 0 ? 1 : numeric.size;
}

// Each name declared with one scalar or vector type (variables, parameters,
// members and functions' return types); -1 where declarations disagree; and
// as "@name", each texture's or buffer's element type.
std::map<std::string, int> DeclaredComponents(const Tokens& tokens) {
    std::map<std::string, int> names = MeasureDeclaredNames(tokens, ComponentsOf);
    AddObjectElements(tokens, &names);
    return names;
}

bool IsSwizzle(const std::string& text) {
    return text.size() <= 4 && (text.find_first_not_of("xyzw") == std::string::npos ||
                                text.find_first_not_of("rgba") == std::string::npos);
}

// Components of the expression [first, end) where its form tells them: a
// declared name, a swizzle of one, a constructor or a call; 0 otherwise.
int ExpressionComponents(const Tokens& tokens, size_t first, size_t end,
                         const std::map<std::string, int>& names) {
    if (!IsIdentifier(tokens, first)) {
        return 0;
    }
    if (IsToken(tokens, first + 1, "(") && ClosingBracket(tokens, first + 1) + 1 == end) {
        const int constructed = ComponentsOf(tokens[first].text);
        if (constructed != 0) {
            return constructed;
        }
    } else if (first + 1 == end) {
        // A name alone.
    } else if (first + 3 == end && tokens[first + 1].text == "." &&
               IsSwizzle(tokens[first + 2].text) && names.count(tokens[first].text)) {
        return int(tokens[first + 2].text.size());
    } else {
        return ObjectReadComponents(tokens, first, end, names);
    }
    const auto found = names.find(tokens[first].text);
    return found == names.end() ? 0 : found->second;
}

bool EndsOperand(const HlslToken& token) {
    return token.kind == HlslToken::Kind::Identifier || token.kind == HlslToken::Kind::Number ||
           token.text == ")" || token.text == "]";
}

// Whether two operands of the arithmetic operators joining [first, end)
// outside brackets are vectors of different sizes, as their forms tell:
// Windows truncates the longer one.
bool OperandsDiffer(const Tokens& tokens, size_t first, size_t end,
                    const std::map<std::string, int>& names) {
    int seen = 0;
    size_t operand = first;
    for (size_t at = first; at <= end; ++at) {
        const bool split = at == end || (tokens[at].text.size() == 1 &&
                                         tokens[at].text.find_first_of("+-*/%") == 0 &&
                                         at > operand && EndsOperand(tokens[at - 1]));
        if (at < end && (tokens[at].text == "(" || tokens[at].text == "[")) {
            at = ClosingBracket(tokens, at);
            continue;
        }
        if (!split) {
            continue;
        }
        const int components = ExpressionComponents(tokens, operand, at, names);
        if (components >= 2 && seen >= 2 && components != seen) {
            return true;
        }
        seen = components >= 2 ? components : seen;
        operand = at + 1;
    }
    return false;
}

void WarnIfTruncated(const Tokens& tokens, int wanted, size_t first, size_t end,
                     const std::map<std::string, int>& names, std::string* warnings) {
    const int given = ExpressionComponents(tokens, first, end, names);
    if ((wanted >= 1 && given > wanted && given >= 2) ||
        (given == 0 && OperandsDiffer(tokens, first, end, names))) {
        *warnings += SourceSpan(tokens[first], tokens[end - 1]) +
                     ": warning X3206: implicit truncation of vector type\n";
    }
}

} // namespace

void WarnTruncations(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                     std::string* warnings) {
    const std::map<std::string, int> names = DeclaredComponents(tokens);
    for (const FunctionDefinition& function : functions) {
        const int returned = ComponentsOf(tokens[function.name - 1].text);
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at + 2 < end; ++at) {
            size_t value = 0;
            int wanted = 0;
            if (IsToken(tokens, at, "=") && !IsToken(tokens, at + 1, "=") &&
                IsIdentifier(tokens, at - 1) && tokens[at - 2].text != ".") {
                const bool declared = ComponentsOf(tokens[at - 2].text) != 0;
                const auto found = names.find(tokens[at - 1].text);
                wanted = declared ? ComponentsOf(tokens[at - 2].text)
                                  : (found == names.end() ? 0 : found->second);
                value = at + 1;
            } else if (tokens[at].text == "return" && returned != 0) {
                wanted = returned;
                value = at + 1;
            }
            if (value != 0) {
                WarnIfTruncated(tokens, wanted, value, ValueEnd(tokens, value, end), names,
                                warnings);
            }
        }
    }
}

} // namespace d3dcompiler_standin
