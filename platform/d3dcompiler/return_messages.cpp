#include "return_messages.h"

#include "expression_types.h"
#include "numeric_type_names.h"

#include <cstdlib>
#include <optional>
#include <sstream>

namespace d3dcompiler_standin {

namespace {

const char kGlslangWords[] =
    "error: 'return' : type does not match, or is not convertible to, the function's return "
    "type";

// "float", "float3" or "float4x4"; "" for an array or a structure, whose
// spelling in Windows' line was not found.
std::string Spelled(const ExpressionType& type) {
    if (type.IsArray() || type.structure) {
        return "";
    }
    if (type.rows == 0) {
        return type.base;
    }
    std::string name = type.base + std::to_string(type.rows);
    return type.columns > 0 ? name + "x" + std::to_string(type.columns) : name;
}

// The numeric return type of the function whose body holds `at`, as its
// header writes it in one name ("float4"); "" where it cannot tell.
std::string ReturnTypeAround(const std::vector<HlslToken>& tokens, size_t at) {
    size_t depth = 0;
    size_t open = at;
    while (open > 0) {
        --open;
        const std::string& text = tokens[open].text;
        depth += text == "}";
        if (text == "{" && depth-- == 0 && open > 0) {
            break;
        }
    }
    // "type Name(params) [: SEMANTIC] {"
    size_t close = open;
    while (close > 0 && tokens[close].text != ")") {
        --close;
    }
    const size_t paren = OpeningBracket(tokens, close);
    if (paren < 2 || !IsIdentifier(tokens, paren - 1) || !IsIdentifier(tokens, paren - 2)) {
        return "";
    }
    NumericTypeName numeric;
    return ReadNumericTypeName(tokens[paren - 2].text, &numeric) ? tokens[paren - 2].text : "";
}

// Windows' line for the return at `line` of `file`, "" where the types are
// not known or match.
std::string ConversionAt(const std::vector<HlslToken>& tokens, const ExpressionTypes& types,
                         const std::string& file, uint32_t line) {
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (tokens[at].text != "return" || tokens[at].line != line || tokens[at].file != file) {
            continue;
        }
        size_t end = at + 1;
        while (end < tokens.size() && tokens[end].text != ";") {
            ++end;
        }
        const std::optional<ExpressionType> value = types.TypeOf(at + 1, end);
        const std::string from = value ? Spelled(*value) : "";
        const std::string to = ReturnTypeAround(tokens, at);
        if (from.empty() || to.empty() || from == to) {
            return "";
        }
        return "error X3017: cannot implicitly convert from '" + from + "' to '" + to + "'";
    }
    return "";
}

} // namespace

std::string RewordReturnConversions(const std::string& messages,
                                    const std::vector<HlslToken>& tokens) {
    if (messages.find(kGlslangWords) == std::string::npos) {
        return messages;
    }
    const ExpressionTypes types(tokens);
    std::istringstream input(messages);
    std::string out;
    for (std::string line; std::getline(input, line);) {
        const size_t words = line.find(kGlslangWords);
        const size_t open = words == std::string::npos ? words : line.rfind('(', words);
        const size_t close = open == std::string::npos ? open : line.find(')', open);
        std::string windows;
        std::string number;
        if (close != std::string::npos && close < words) {
            const std::string position = line.substr(open + 1, close - open - 1);
            number = position.substr(0, position.find(','));
            windows = ConversionAt(tokens, types, line.substr(0, open),
                                   uint32_t(std::strtoul(number.c_str(), nullptr, 10)));
        }
        out += windows.empty() ? line : line.substr(0, open) + "(" + number + "): " + windows;
        out += "\n";
    }
    return out;
}

} // namespace d3dcompiler_standin
