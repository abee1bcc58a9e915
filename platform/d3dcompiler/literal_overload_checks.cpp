#include "literal_overload_checks.h"
#include "function_scan.h"

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The names of the functions with a one-parameter definition taking a float
// scalar and another taking a double one.
std::set<std::string> FloatAndDoubleOverloads(const Tokens& tokens) {
    std::map<std::string, std::set<std::string>> parameterTypes;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        const auto parameters = Parameters(tokens, function);
        if (parameters.size() != 1 || parameters[0].second - parameters[0].first < 2) {
            continue;
        }
        size_t type = parameters[0].first;
        if (tokens[type].text == "in" || tokens[type].text == "const") {
            ++type;
        }
        parameterTypes[tokens[function.name].text].insert(tokens[type].text);
    }
    std::set<std::string> names;
    for (const auto& [name, types] : parameterTypes) {
        if (types.count("float") > 0 && types.count("double") > 0) {
            names.insert(name);
        }
    }
    return names;
}

// Whether [begin, end) is a literal float expression: literals, arithmetic
// and parentheses, with at least one float literal and no suffix that gives
// a literal its type.
bool LiteralFloatExpression(const Tokens& tokens, size_t begin, size_t end) {
    bool floatLiteral = false;
    for (size_t i = begin; i < end; ++i) {
        const std::string& text = tokens[i].text;
        if (tokens[i].kind == HlslToken::Kind::Number) {
            if (text.find_first_of("fFhHlLuU") != std::string::npos && text.rfind("0x", 0) != 0 &&
                text.rfind("0X", 0) != 0) {
                return false;
            }
            floatLiteral |= text.find_first_of(".eE") != std::string::npos &&
                            text.rfind("0x", 0) != 0 && text.rfind("0X", 0) != 0;
        } else if (text != "+" && text != "-" && text != "*" && text != "/" && text != "(" &&
                   text != ")") {
            return false;
        }
    }
    return floatLiteral;
}

} // namespace

void CheckLiteralFloatOverloads(const Tokens& tokens, std::string* errors) {
    if (std::none_of(tokens.begin(), tokens.end(), [](const HlslToken& token) {
            return token.text.size() == 6 && token.text == "double";
        })) {
        return; // no double overload without the type's name
    }
    const std::set<std::string> names = FloatAndDoubleOverloads(tokens);
    for (size_t at = 1; at + 1 < tokens.size() && !names.empty(); ++at) {
        if (tokens[at + 1].text != "(" || names.count(tokens[at].text) == 0 ||
            (IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return")) {
            continue; // no call, or a definition
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        if (close < tokens.size() && LiteralFloatExpression(tokens, at + 2, close)) {
            *errors += SourceError(tokens[at], "'" + tokens[at].text + "': ambiguous function call",
                                   "X3067") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
