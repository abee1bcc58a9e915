#include "statement_checks.h"
#include "warning_lines.h"
#include "constant_expressions.h"
#include "function_scan.h"

#include <algorithm>
#include <cctype>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

std::string Lowercase(std::string text) {
    for (char& c : text) {
        c = char(std::tolower(uint8_t(c)));
    }
    return text;
}

// Pairs of loop attributes that ask for opposite code.
constexpr const char* kConflictingLoopAttributes[][2] = {{"loop", "unroll"}, {"fastopt", "unroll"}};

void ReportAttributeConflicts(const std::vector<std::pair<std::string, const HlslToken*>>& names,
                              std::string* errors);

// "[loop] [unroll] for (...)": the attributes in front of one statement.
void CheckAttributeGroup(const Tokens& tokens, size_t at, size_t end, size_t* next,
                         std::string* errors) {
    std::vector<std::pair<std::string, const HlslToken*>> names;
    while (at < end && tokens[at].text == "[" && at + 1 < end &&
           tokens[at + 1].kind == HlslToken::Kind::Identifier) {
        names.push_back({Lowercase(tokens[at + 1].text), &tokens[at + 1]});
        at = ClosingBracket(tokens, at) + 1;
    }
    *next = at;
    ReportAttributeConflicts(names, errors);
}

// The same attribute twice, or two that contradict each other, in one group.
void ReportAttributeConflicts(const std::vector<std::pair<std::string, const HlslToken*>>& names,
                              std::string* errors) {
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (names[j].first == names[i].first) {
                *errors += SourceError(*names[i].second,
                                       "duplicate attribute '" + names[i].second->text + "'") +
                           "\n";
                break;
            }
        }
    }
    for (const auto& pair : kConflictingLoopAttributes) {
        auto first = std::find_if(names.begin(), names.end(),
                                  [&](const auto& name) { return name.first == pair[0]; });
        auto second = std::find_if(names.begin(), names.end(),
                                   [&](const auto& name) { return name.first == pair[1]; });
        if (first != names.end() && second != names.end()) {
            const HlslToken& later = *std::max(first, second)->second;
            *errors += SourceError(later,
                                   std::string("can't use ") + pair[0] + " and " + pair[1] +
                                       " attributes together",
                                   "X3524") +
                       "\n";
        }
    }
}

bool StartsStatement(const Tokens& tokens, size_t at) {
    const std::string& before = tokens[at - 1].text;
    return before == ";" || before == "{" || before == "}" || before == "else" || before == ")";
}

// The operand right of a binary operator at `at`: unary operators, then a
// literal or a parenthesised expression. Its end, or `at` when it is not one.
size_t RightOperandEnd(const Tokens& tokens, size_t at, size_t end) {
    size_t next = at + 1;
    while (next < end && (tokens[next].text == "-" || tokens[next].text == "+" ||
                          tokens[next].text == "~" || tokens[next].text == "!")) {
        ++next;
    }
    if (next < end && tokens[next].text == "(") {
        next = ClosingBracket(tokens, next) + 1;
    } else if (next < end && tokens[next].kind == HlslToken::Kind::Number) {
        ++next;
    } else {
        return at;
    }
    const bool postfix = next < end && (tokens[next].text == "." || tokens[next].text == "[");
    return postfix || next > end ? at : next;
}

// The operand left of a binary operator at `at`: a literal or a parenthesised
// expression that is no call or cast, and that no * / % before it extends.
size_t LeftOperandBegin(const Tokens& tokens, size_t begin, size_t at) {
    size_t first = at - 1;
    if (tokens[first].text == ")") {
        size_t depth = 0;
        for (; first > begin; --first) {
            depth += tokens[first].text == ")";
            depth -= tokens[first].text == "(";
            if (depth == 0) {
                break;
            }
        }
    } else if (tokens[first].kind != HlslToken::Kind::Number) {
        return at;
    }
    if (first <= begin) {
        return at;
    }
    const HlslToken& before = tokens[first - 1];
    const bool extended = (before.kind == HlslToken::Kind::Identifier && before.text != "return") ||
                          before.text == ")" || before.text == "]" || before.text == "*" ||
                          before.text == "/" || before.text == "%" || before.text == ".";
    return extended ? at : first;
}

// "4 / 0", "n % (2 - 2)" with integer constants on both sides: the compiler
// folds the division and refuses it.
void CheckConstantDivision(const Tokens& tokens, size_t at, size_t begin, size_t end,
                           std::string* errors) {
    const std::string& op = tokens[at].text;
    if ((op != "/" && op != "%") ||
        (at + 1 < end && Adjacent(tokens[at], tokens[at + 1]) && tokens[at + 1].text == "=")) {
        return;
    }
    const size_t right = RightOperandEnd(tokens, at, end);
    const size_t left = LeftOperandBegin(tokens, begin, at);
    if (right == at || left == at || !EvaluateIntegerConstant(tokens, left, at)) {
        return;
    }
    bool divisionByZero = false;
    const std::optional<int64_t> divisor =
        EvaluateIntegerConstant(tokens, at + 1, right, &divisionByZero);
    if ((divisor && *divisor == 0) || divisionByZero) {
        // fxc divides signed integers through its unsigned division, hence the words.
        *errors += SourceSpan(tokens[left], tokens[right - 1]) +
                   ": error X4010: Unsigned integer divide by zero\n";
    }
}

} // namespace

// "[earlydepthstencil] [RootSignature(...)] float4 PSMain(...)": the attributes
// in front of a function definition, read back from its return type.
void CheckFunctionAttributes(const Tokens& tokens, const FunctionDefinition& function,
                             std::string* errors) {
    std::vector<std::pair<std::string, const HlslToken*>> names;
    size_t at = function.name - 1; // the return type
    while (at > 0 && tokens[at - 1].text == "]") {
        const size_t open = OpeningBracket(tokens, at - 1);
        if (tokens[open].text != "[" || tokens[open + 1].kind != HlslToken::Kind::Identifier) {
            break;
        }
        // A second RootSignature is reported by the attribute's own reader.
        if (Lowercase(tokens[open + 1].text) != "rootsignature") {
            names.insert(names.begin(), {Lowercase(tokens[open + 1].text), &tokens[open + 1]});
        }
        at = open;
    }
    ReportAttributeConflicts(names, errors);
}

void CheckStatements(const Tokens& tokens, std::string* errors) {
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        CheckFunctionAttributes(tokens, function, errors);
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at < end; ++at) {
            if (tokens[at].text == "[" && StartsStatement(tokens, at)) {
                size_t next = at;
                CheckAttributeGroup(tokens, at, end, &next, errors);
                at = next > at ? next - 1 : at;
                continue;
            }
            CheckConstantDivision(tokens, at, function.body, end, errors);
        }
    }
}

} // namespace d3dcompiler_standin
