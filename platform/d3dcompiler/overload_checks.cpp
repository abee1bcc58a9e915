#include "overload_checks.h"
#include "call_shapes.h"
#include "direction_overloads.h"
#include "function_scan.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// How an argument reaches a parameter: exactly, by dropping trailing
// components of the same base type, or otherwise (not ranked here).
enum class Conversion { Exact, Truncation, Other };

Conversion Convert(const NumericShape& argument, const NumericShape& parameter) {
    if (argument.base == parameter.base && argument.components == parameter.components) {
        return Conversion::Exact;
    }
    if (argument.base == parameter.base && argument.components > parameter.components) {
        return Conversion::Truncation;
    }
    return Conversion::Other;
}

// The conversions of one call to one candidate; nothing when one is not ranked.
std::optional<std::vector<Conversion>> Rank(const std::vector<NumericShape>& arguments,
                                            const std::vector<NumericShape>& parameters) {
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

void CheckDirectionOnlyOverloads(const Tokens& tokens, std::string* errors) {
    const std::vector<FunctionDefinition> functions = FindFunctionDefinitions(tokens);
    std::set<std::string> names; // renamed before glslang, or in a file left as it is
    for (const FunctionDefinition& function : functions) {
        const std::string original = NameBeforeDirectionRename(tokens[function.name].text);
        if (!original.empty()) {
            names.insert(original);
        }
    }
    for (const FunctionDefinition& function : DefinitionsDifferingInDirectionOnly(tokens)) {
        names.insert(tokens[function.name].text);
    }
    if (names.empty()) {
        return;
    }
    std::set<size_t> definitions;
    for (const FunctionDefinition& function : functions) {
        definitions.insert(function.name);
    }
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (names.count(tokens[at].text) && tokens[at + 1].text == "(" && !definitions.count(at) &&
            tokens[at - 1].text != ".") {
            *errors += SourceError(tokens[at], "'" + tokens[at].text + "': ambiguous function call",
                                   "X3067") +
                       "\n";
        }
    }
}

} // namespace

void CheckOverloadedCalls(const Tokens& tokens, std::string* errors) {
    CheckDirectionOnlyOverloads(tokens, errors);
    std::multimap<std::string, std::vector<NumericShape>> candidates;
    std::map<std::string, size_t> definitions;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        const std::string& name = tokens[function.name].text;
        ++definitions[name];
        if (std::optional<std::vector<NumericShape>> shapes = ParameterShapes(tokens, function)) {
            candidates.insert({name, *shapes});
        }
    }
    bool overloaded = false;
    for (auto it = candidates.begin(); it != candidates.end() && !overloaded; ++it) {
        overloaded = candidates.count(it->first) > 1;
    }
    if (!overloaded) {
        return; // no name has two candidates: nothing to judge
    }
    const std::map<std::string, std::optional<NumericShape>> declared = DeclaredShapes(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        const std::string& name = tokens[at].text;
        if (tokens[at + 1].text != "(" || candidates.count(name) < 2 ||
            candidates.count(name) != definitions[name] || ParseShape(tokens[at - 1].text)) {
            continue; // not a call of an overloaded function, or a definition
        }
        std::vector<NumericShape> arguments;
        bool known = true;
        const size_t close = ClosingBracket(tokens, at + 1);
        for (size_t begin = at + 2, i = at + 2; i <= close && i < tokens.size(); ++i) {
            const std::string& text = tokens[i].text;
            if (text == "(" || text == "[") {
                i = ClosingBracket(tokens, i);
            } else if ((text == "," || i == close) && i > begin) {
                std::optional<NumericShape> shape = ArgumentShape(tokens, begin, i, declared);
                known &= shape.has_value();
                arguments.push_back(shape.value_or(NumericShape{}));
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
