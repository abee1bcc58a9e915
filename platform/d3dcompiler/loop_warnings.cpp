#include "constant_expressions.h"
#include "function_scan.h"
#include "numeric_type_names.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// "type name" followed by what may follow a declared name.
bool DeclaresName(const Tokens& tokens, size_t type) {
    if (type + 2 >= tokens.size() || !IsIdentifier(tokens, type + 1) ||
        !IsIdentifier(tokens, type)) {
        return false;
    }
    const std::string& after = tokens[type + 2].text;
    NumericTypeName numeric;
    return (after == "=" || after == ";" || after == "," || after == "[" || after == ":" ||
            after == ")") &&
           ReadNumericTypeName(tokens[type].text, &numeric);
}

bool Visible(const std::vector<std::set<std::string>>& scopes, const std::string& name) {
    for (const std::set<std::string>& scope : scopes) {
        if (scope.count(name)) {
            return true;
        }
    }
    return false;
}

// X3078: "for (int i ...)" where an i is in scope already. A for statement's
// variable belongs to the block around the loop (fxc's scoping), so a second
// loop declaring it again conflicts with the first.
void WarnRedeclaredLoopVariables(const Tokens& tokens, const FunctionDefinition& function,
                                 std::string* warnings) {
    std::vector<std::set<std::string>> scopes(1);
    for (size_t at = function.parameters + 1; at < function.body; ++at) {
        if (DeclaresName(tokens, at)) {
            scopes[0].insert(tokens[at + 1].text);
        }
    }
    const size_t end = std::min(function.end, tokens.size());
    for (size_t at = function.body + 1; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "{") {
            scopes.emplace_back();
        } else if (text == "}" && scopes.size() > 1) {
            scopes.pop_back();
        } else if (DeclaresName(tokens, at)) {
            const HlslToken& name = tokens[at + 1];
            // The loop-scope rewrite moves a variable read after its loop
            // in front of it: "int i; for (i = 0; ...)".
            const bool hoisted = IsToken(tokens, at + 2, ";") && IsToken(tokens, at + 3, "for") &&
                                 IsToken(tokens, at + 4, "(") &&
                                 IsToken(tokens, at + 5, name.text.c_str());
            const bool inFor = tokens[at - 1].text == "(" && IsToken(tokens, at - 2, "for");
            if ((inFor || hoisted) && Visible(scopes, name.text)) {
                *warnings += SourceWarning(name,
                                           "'" + name.text +
                                               "': loop control variable conflicts with a "
                                               "previous declaration in the outer scope; most "
                                               "recent declaration will be used",
                                           "X3078");
            }
            scopes.back().insert(name.text);
        }
    }
}

// "i++", "++i", "i += 1", and their decrements (each operator character a
// token of its own): the step, +1 or -1; 0 otherwise.
int StepOf(const Tokens& tokens, size_t first, size_t close, const std::string& name) {
    const size_t length = close - first;
    const bool nameFirst = tokens[first].text == name;
    const size_t op = nameFirst ? first + 1 : first;
    const std::string& sign = tokens[op].text;
    if ((sign != "+" && sign != "-") || length < 3) {
        return 0;
    }
    const int step = sign == "+" ? 1 : -1;
    if (length == 3 && tokens[op + 1].text == sign && Adjacent(tokens[op], tokens[op + 1]) &&
        (nameFirst || tokens[first + 2].text == name)) {
        return step;
    }
    const bool addsOne = length == 4 && nameFirst && tokens[op + 1].text == "=" &&
                         Adjacent(tokens[op], tokens[op + 1]) && tokens[op + 2].text == "1";
    return addsOne ? step : 0;
}

// X3557: "for (int i = A; i < B; i++)" with literal bounds that runs at most
// once; the compiler unrolls it whatever its attributes say.
void WarnSingleIteration(const Tokens& tokens, size_t loop, std::string* warnings) {
    const size_t open = loop + 1;
    const size_t close = ClosingBracket(tokens, open);
    size_t name = open + 1 + DeclaresName(tokens, open + 1);
    if (close >= tokens.size() || !IsIdentifier(tokens, name) || !IsToken(tokens, name + 1, "=")) {
        return;
    }
    size_t firstSemicolon = name + 2;
    while (firstSemicolon < close && tokens[firstSemicolon].text != ";") {
        ++firstSemicolon;
    }
    const size_t compare = firstSemicolon + 1;
    size_t secondSemicolon = compare;
    while (secondSemicolon < close && tokens[secondSemicolon].text != ";") {
        ++secondSemicolon;
    }
    const std::string& var = tokens[name].text;
    if (secondSemicolon >= close || tokens[compare].text != var) {
        return;
    }
    const auto start = EvaluateIntegerConstant(tokens, name + 2, firstSemicolon);
    std::string op = tokens[compare + 1].text;
    size_t bound = compare + 2;
    if (IsToken(tokens, bound, "=") && Adjacent(tokens[compare + 1], tokens[bound])) {
        op += "=";
        ++bound;
    }
    const auto limit = EvaluateIntegerConstant(tokens, bound, secondSemicolon);
    const int step = StepOf(tokens, secondSemicolon + 1, close, var);
    if (!start || !limit || step == 0) {
        return;
    }
    const int64_t span = step > 0 ? *limit - *start : *start - *limit;
    const bool ascending = op == "<" || op == "<=";
    const bool descending = op == ">" || op == ">=";
    if ((step > 0 && !ascending) || (step < 0 && !descending)) {
        return;
    }
    const int64_t count = std::max<int64_t>(0, span + (op.size() == 2));
    if (count <= 1) {
        *warnings += SourceWarning(tokens[loop],
                                   "loop only executes for " + std::to_string(count) +
                                       " iteration(s), forcing loop to unroll",
                                   "X3557");
    }
}

} // namespace

void WarnLoops(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
               std::string* warnings) {
    for (const FunctionDefinition& function : functions) {
        WarnRedeclaredLoopVariables(tokens, function, warnings);
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at < end; ++at) {
            if (tokens[at].text == "for" && IsToken(tokens, at + 1, "(")) {
                WarnSingleIteration(tokens, at, warnings);
            }
        }
    }
}

} // namespace d3dcompiler_standin
