#include "parameter_checks.h"
#include "call_messages.h"
#include "call_shapes.h"
#include "function_scan.h"

#include <algorithm>
#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The parameter's name: the last identifier before its semantic, default
// value or array size.
const HlslToken* ParameterName(const Tokens& tokens, size_t begin, size_t end) {
    const HlslToken* name = nullptr;
    for (size_t at = begin; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == ":" || text == "=" || text == "[") {
            break;
        }
        if (text == "<") {
            at = ClosingBracket(tokens, at);
        } else if (IsIdentifier(tokens, at)) {
            name = &tokens[at];
        }
    }
    return name;
}

bool HasDefaultValue(const Tokens& tokens, size_t begin, size_t end) {
    for (size_t at = begin; at < end; ++at) {
        if (tokens[at].text == "=") {
            return true;
        }
    }
    return false;
}

bool IsOutParameter(const Tokens& tokens, size_t begin, size_t end) {
    for (size_t at = begin; at < end; ++at) {
        if (tokens[at].text == "out" || tokens[at].text == "inout") {
            return true;
        }
    }
    return false;
}

void CheckDefaultValues(const Tokens& tokens, const FunctionDefinition& function,
                        std::string* errors) {
    bool defaulted = false;
    for (const auto& [begin, end] : Parameters(tokens, function)) {
        if (HasDefaultValue(tokens, begin, end)) {
            defaulted = true;
            continue;
        }
        const HlslToken* name = ParameterName(tokens, begin, end);
        if (defaulted && name != nullptr) {
            *errors +=
                SourceError(*name,
                            "'" + tokens[function.name].text +
                                "': missing default value for parameter '" + name->text + "'",
                            "X3044") +
                "\n";
            return;
        }
    }
}

// Which parameters of a function are out or inout, by name and count, where
// every definition of that name and count agrees.
using OutParameters = std::map<std::pair<std::string, size_t>, std::vector<bool>>;

OutParameters FindOutParameters(const Tokens& tokens,
                                const std::vector<FunctionDefinition>& functions) {
    OutParameters found;
    for (const FunctionDefinition& function : functions) {
        const auto parameters = Parameters(tokens, function);
        std::vector<bool> out;
        for (const auto& [begin, end] : parameters) {
            out.push_back(IsOutParameter(tokens, begin, end));
        }
        const auto key = std::make_pair(tokens[function.name].text, parameters.size());
        auto [it, inserted] = found.insert({key, out});
        if (!inserted) {
            for (size_t i = 0; i < out.size(); ++i) {
                it->second[i] = it->second[i] && out[i];
            }
        }
    }
    return found;
}

bool IsLiteral(const Tokens& tokens, size_t begin, size_t end) {
    if (begin < end && (tokens[begin].text == "-" || tokens[begin].text == "+")) {
        ++begin;
    }
    return end == begin + 1 && (tokens[begin].kind == HlslToken::Kind::Number ||
                                tokens[begin].text == "true" || tokens[begin].text == "false");
}

// "Store(1.0)" where Store's parameter is out: a literal cannot be written.
void CheckOutArguments(const Tokens& tokens, const FunctionDefinition& caller,
                       const OutParameters& outParameters, std::string* errors) {
    for (size_t at = caller.body; at < caller.end && at < tokens.size(); ++at) {
        if (!IsIdentifier(tokens, at) || !IsToken(tokens, at + 1, "(") ||
            tokens[at - 1].text == ".") {
            continue;
        }
        const auto arguments = CallArguments(tokens, at + 1);
        const auto found = outParameters.find({tokens[at].text, arguments.size()});
        if (found == outParameters.end()) {
            continue;
        }
        for (size_t i = 0; i < arguments.size(); ++i) {
            if (found->second[i] && IsLiteral(tokens, arguments[i].first, arguments[i].second)) {
                *errors += SourceError(tokens[arguments[i].first], "l-value specifies const object",
                                       "X3025") +
                           "\n";
                return;
            }
        }
    }
}

// The fewest and most arguments each user function takes, over its
// definitions ("(void)" takes none).
std::map<std::string, std::pair<size_t, size_t>>
ArgumentCountRanges(const Tokens& tokens, const std::vector<FunctionDefinition>& functions) {
    std::map<std::string, std::pair<size_t, size_t>> ranges;
    for (const FunctionDefinition& function : functions) {
        auto parameters = Parameters(tokens, function);
        if (parameters.size() == 1 && parameters[0].second == parameters[0].first + 1 &&
            tokens[parameters[0].first].text == "void") {
            parameters.clear();
        }
        size_t required = 0;
        for (const auto& [begin, end] : parameters) {
            required += !HasDefaultValue(tokens, begin, end);
        }
        auto [range, inserted] =
            ranges.insert({tokens[function.name].text, {required, parameters.size()}});
        range->second.first = std::min(range->second.first, required);
        range->second.second = std::max(range->second.second, parameters.size());
    }
    return ranges;
}

// "Scale(y)" where every definition of Scale takes two arguments.
void CheckArgumentCounts(const Tokens& tokens, const FunctionDefinition& caller,
                         const std::map<std::string, std::pair<size_t, size_t>>& ranges,
                         std::string* errors) {
    for (size_t at = caller.body; at < caller.end && at < tokens.size(); ++at) {
        if (!IsIdentifier(tokens, at) || !IsToken(tokens, at + 1, "(") ||
            tokens[at - 1].text == ".") {
            continue;
        }
        const auto range = ranges.find(tokens[at].text);
        const size_t count = CallArguments(tokens, at + 1).size();
        if (range != ranges.end() && !IsIntrinsicFunction(range->first) &&
            (count < range->second.first || count > range->second.second)) {
            *errors += SourceError(tokens[at],
                                   "'" + tokens[at].text + "': no matching " +
                                       std::to_string(count) + " parameter function",
                                   "X3013") +
                       "\n";
        }
    }
}

// "float values[2]": the parameter's type as Windows names it, "float[2]";
// empty when it is no array of a numeric type.
std::string ArrayParameterType(const Tokens& tokens, size_t begin, size_t end) {
    const HlslToken* name = ParameterName(tokens, begin, end);
    size_t at = begin;
    while (at < end && &tokens[at] != name) {
        ++at;
    }
    if (name == nullptr || !IsToken(tokens, at + 1, "[") || at + 3 >= end ||
        tokens[at + 2].kind != HlslToken::Kind::Number || tokens[at + 3].text != "]") {
        return "";
    }
    for (size_t type = begin; type < at; ++type) {
        if (ParseShape(tokens[type].text)) {
            return tokens[type].text + "[" + tokens[at + 2].text + "]";
        }
    }
    return "";
}

// Array parameters by function name and count, where one definition of that
// name and count takes any.
using ArrayParameters = std::map<std::pair<std::string, size_t>, std::vector<std::string>>;

ArrayParameters FindArrayParameters(const Tokens& tokens,
                                    const std::vector<FunctionDefinition>& functions) {
    ArrayParameters found;
    std::map<std::pair<std::string, size_t>, int> definitions;
    for (const FunctionDefinition& function : functions) {
        std::vector<std::string> types;
        for (const auto& [begin, end] : Parameters(tokens, function)) {
            types.push_back(ArrayParameterType(tokens, begin, end));
        }
        const auto key = std::make_pair(tokens[function.name].text, types.size());
        ++definitions[key];
        if (std::any_of(types.begin(), types.end(), [](const auto& t) { return !t.empty(); })) {
            found[key] = types;
        }
    }
    for (const auto& [key, count] : definitions) {
        if (count > 1) {
            found.erase(key);
        }
    }
    return found;
}

// "First(pair)" where First takes a float[2] and pair is a float2: a vector
// is no array.
void CheckArrayArguments(const Tokens& tokens, const FunctionDefinition& caller,
                         const ArrayParameters& arrays,
                         const std::map<std::string, std::optional<NumericShape>>& declared,
                         std::string* errors) {
    for (size_t at = caller.body; at < caller.end && at < tokens.size(); ++at) {
        if (!IsIdentifier(tokens, at) || !IsToken(tokens, at + 1, "(") ||
            tokens[at - 1].text == ".") {
            continue;
        }
        const auto arguments = CallArguments(tokens, at + 1);
        const auto found = arrays.find({tokens[at].text, arguments.size()});
        for (size_t i = 0; found != arrays.end() && i < arguments.size(); ++i) {
            const std::optional<NumericShape> shape =
                ArgumentShape(tokens, arguments[i].first, arguments[i].second, declared);
            if (found->second[i].empty() || !shape) {
                continue;
            }
            const std::string given = shape->components == 1
                                          ? shape->base
                                          : shape->base + std::to_string(shape->components);
            *errors += SourceError(tokens[at],
                                   "'" + tokens[at].text + "': cannot convert from '" + given +
                                       "' to '" + found->second[i] + "'",
                                   "X3017") +
                       "\n";
            break;
        }
    }
}

} // namespace

void CheckParameters(const Tokens& tokens, std::string* errors) {
    const std::vector<FunctionDefinition> functions = FindFunctionDefinitions(tokens);
    const OutParameters outParameters = FindOutParameters(tokens, functions);
    const auto ranges = ArgumentCountRanges(tokens, functions);
    const ArrayParameters arrays = FindArrayParameters(tokens, functions);
    // Read only where some function takes an array: most sources have none.
    const auto declared = arrays.empty() ? std::map<std::string, std::optional<NumericShape>>{}
                                         : DeclaredShapes(tokens);
    for (const FunctionDefinition& function : functions) {
        CheckDefaultValues(tokens, function, errors);
        CheckOutArguments(tokens, function, outParameters, errors);
        CheckArgumentCounts(tokens, function, ranges, errors);
        CheckArrayArguments(tokens, function, arrays, declared, errors);
    }
}

} // namespace d3dcompiler_standin
