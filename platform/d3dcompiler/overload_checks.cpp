#include "overload_checks.h"
#include "function_scan.h"

#include <algorithm>
#include <map>
#include <optional>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A scalar or vector type: its base type and component count.
struct Shape {
    std::string base;
    uint32_t components = 1;
};

std::optional<Shape> ParseShape(const std::string& type) {
    static const char* kBases[] = {"bool", "int", "uint", "dword", "half", "float", "double"};
    std::string base = type;
    uint32_t components = 1;
    if (!base.empty() && base.back() >= '1' && base.back() <= '4') {
        components = uint32_t(base.back() - '0');
        base.pop_back();
    }
    for (const char* known : kBases) {
        if (base == known) {
            return Shape{base == "dword" ? "uint" : base, components};
        }
    }
    return std::nullopt;
}

// How an argument reaches a parameter: exactly, by dropping trailing
// components of the same base type, or otherwise (not ranked here).
enum class Conversion { Exact, Truncation, Other };

Conversion Convert(const Shape& argument, const Shape& parameter) {
    if (argument.base == parameter.base && argument.components == parameter.components) {
        return Conversion::Exact;
    }
    if (argument.base == parameter.base && argument.components > parameter.components) {
        return Conversion::Truncation;
    }
    return Conversion::Other;
}

// Variables declared "type name" with a scalar or vector type; a name
// declared with two types is left out.
std::map<std::string, std::optional<Shape>> DeclaredShapes(const Tokens& tokens) {
    std::map<std::string, std::optional<Shape>> shapes;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const std::optional<Shape> shape = ParseShape(tokens[at].text);
        const HlslToken& name = tokens[at + 1];
        if (!shape || name.kind != HlslToken::Kind::Identifier || IsToken(tokens, at + 2, "(")) {
            continue;
        }
        auto [found, inserted] = shapes.insert({name.text, shape});
        if (!inserted && (!found->second || found->second->base != shape->base ||
                          found->second->components != shape->components)) {
            found->second.reset();
        }
    }
    return shapes;
}

// The argument in [begin, end): "int3(...)" or a declared variable.
std::optional<Shape> ArgumentShape(const Tokens& tokens, size_t begin, size_t end,
                                   const std::map<std::string, std::optional<Shape>>& declared) {
    if (end == begin + 1) {
        auto found = declared.find(tokens[begin].text);
        return found != declared.end() ? found->second : std::nullopt;
    }
    if (IsToken(tokens, begin + 1, "(") && ClosingBracket(tokens, begin + 1) == end - 1) {
        return ParseShape(tokens[begin].text);
    }
    return std::nullopt;
}

// The parameters of a definition, as shapes; nothing when one is no scalar or
// vector or has a modifier other than in.
std::optional<std::vector<Shape>> ParameterShapes(const Tokens& tokens,
                                                  const FunctionDefinition& function) {
    std::vector<Shape> shapes;
    for (const auto& [begin, end] : Parameters(tokens, function)) {
        size_t at = begin;
        at += tokens[at].text == "in";
        const std::optional<Shape> shape = ParseShape(tokens[at].text);
        if (!shape) {
            return std::nullopt;
        }
        shapes.push_back(*shape);
    }
    return shapes;
}

// The conversions of one call to one candidate; nothing when one is not ranked.
std::optional<std::vector<Conversion>> Rank(const std::vector<Shape>& arguments,
                                            const std::vector<Shape>& parameters) {
    if (arguments.size() != parameters.size()) {
        return std::nullopt;
    }
    std::vector<Conversion> conversions;
    for (size_t i = 0; i < arguments.size(); ++i) {
        conversions.push_back(Convert(arguments[i], parameters[i]));
        if (conversions.back() == Conversion::Other) {
            return std::nullopt;
        }
    }
    return conversions;
}

} // namespace

void CheckOverloadedCalls(const Tokens& tokens, std::string* errors) {
    std::multimap<std::string, std::vector<Shape>> candidates;
    std::map<std::string, size_t> definitions;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        const std::string& name = tokens[function.name].text;
        ++definitions[name];
        if (std::optional<std::vector<Shape>> shapes = ParameterShapes(tokens, function)) {
            candidates.insert({name, *shapes});
        }
    }
    const std::map<std::string, std::optional<Shape>> declared = DeclaredShapes(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        const std::string& name = tokens[at].text;
        if (tokens[at + 1].text != "(" || candidates.count(name) < 2 ||
            candidates.count(name) != definitions[name] || ParseShape(tokens[at - 1].text)) {
            continue; // not a call of an overloaded function, or a definition
        }
        std::vector<Shape> arguments;
        bool known = true;
        const size_t close = ClosingBracket(tokens, at + 1);
        for (size_t begin = at + 2, i = at + 2; i <= close && i < tokens.size(); ++i) {
            const std::string& text = tokens[i].text;
            if (text == "(" || text == "[") {
                i = ClosingBracket(tokens, i);
            } else if ((text == "," || i == close) && i > begin) {
                std::optional<Shape> shape = ArgumentShape(tokens, begin, i, declared);
                known &= shape.has_value();
                arguments.push_back(shape.value_or(Shape{}));
                begin = i + 1;
            }
        }
        std::vector<std::vector<Conversion>> ranked;
        auto [first, last] = candidates.equal_range(name);
        for (auto it = first; it != last; ++it) {
            if (std::optional<std::vector<Conversion>> rank = Rank(arguments, it->second)) {
                ranked.push_back(*rank);
            }
        }
        const bool exact = std::any_of(ranked.begin(), ranked.end(), [](const auto& rank) {
            return std::all_of(rank.begin(), rank.end(),
                               [](Conversion c) { return c == Conversion::Exact; });
        });
        bool tie = false;
        for (size_t i = 0; i < ranked.size(); ++i) {
            for (size_t j = 0; j < i; ++j) {
                tie |= ranked[i] == ranked[j];
            }
        }
        if (known && !exact && tie) {
            *errors +=
                SourceError(tokens[at], "'" + name + "': ambiguous function call", "X3067") + "\n";
        }
    }
}

} // namespace d3dcompiler_standin
