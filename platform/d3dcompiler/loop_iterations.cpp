#include "loop_iterations.h"

#include "constant_expressions.h"
#include "numeric_type_names.h"

#include <algorithm>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

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

} // namespace

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

std::optional<int64_t> LiteralIterations(const Tokens& tokens, size_t loop) {
    const size_t open = loop + 1;
    const size_t close = ClosingBracket(tokens, open);
    size_t name = open + 1 + DeclaresName(tokens, open + 1);
    if (close >= tokens.size() || !IsIdentifier(tokens, name) || !IsToken(tokens, name + 1, "=")) {
        return std::nullopt;
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
        return std::nullopt;
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
        return std::nullopt;
    }
    const int64_t span = step > 0 ? *limit - *start : *start - *limit;
    const bool ascending = op == "<" || op == "<=";
    const bool descending = op == ">" || op == ">=";
    if ((step > 0 && !ascending) || (step < 0 && !descending)) {
        return std::nullopt;
    }
    return std::max<int64_t>(0, span + (op.size() == 2));
}

} // namespace d3dcompiler_standin
