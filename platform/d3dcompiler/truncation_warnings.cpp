#include "call_shapes.h"
#include "function_scan.h"
#include "numeric_type_names.h"
#include "resource_declarations.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Components of a scalar or vector type name; 0 for anything else.
int ComponentsOf(const std::string& type) {
    return ScalarOrVectorComponents(type);
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

// The most tokens of a call whose arguments are read: each call's are read
// again for every call around it, so a generated nest of thousands would
// take minutes.
constexpr size_t kLongestCallRead = 512;

// Intrinsics computed component by component, whose value has as many
// components as their vector arguments, the longer ones truncated to the
// shortest.
const std::set<std::string>& ComponentwiseIntrinsics() {
    static const std::set<std::string> names = {
        "abs",   "acos",       "asin",  "atan",   "atan2",     "ceil", "clamp",
        "cos",   "cosh",       "ddx",   "ddy",    "degrees",   "exp",  "exp2",
        "floor", "fmod",       "frac",  "fwidth", "lerp",      "log",  "log10",
        "log2",  "mad",        "max",   "min",    "normalize", "pow",  "radians",
        "rcp",   "reflect",    "round", "rsqrt",  "saturate",  "sign", "sin",
        "sinh",  "smoothstep", "sqrt",  "step",   "tan",       "tanh", "trunc"};
    return names;
}

// Intrinsics whose vector arguments, given with different lengths, are
// truncated to the shortest.
bool TruncatesLongerArguments(const std::string& name) {
    return name == "dot" || name == "distance" || ComponentwiseIntrinsics().count(name) != 0;
}

int ValueComponents(const Tokens& tokens, size_t first, size_t end,
                    const std::map<std::string, int>& names);

// The components of each argument of the call whose '(' is at `open`: 1 for
// a literal, 0 where the form does not tell.
std::vector<int> ArgumentComponents(const Tokens& tokens, size_t open,
                                    const std::map<std::string, int>& names) {
    std::vector<int> components;
    for (const auto& [begin, end] : CallArguments(tokens, open)) {
        const bool literal = end == begin + 1 && tokens[begin].kind == HlslToken::Kind::Number;
        components.push_back(literal ? 1 : ValueComponents(tokens, begin, end, names));
    }
    return components;
}

// The shortest vector's length among `components`, 1 where all are scalars,
// 0 where one is not known.
int ShortestOf(const std::vector<int>& components) {
    int shortest = 1;
    for (int count : components) {
        if (count <= 0) {
            return 0;
        }
        shortest = count >= 2 && (shortest == 1 || count < shortest) ? count : shortest;
    }
    return components.empty() ? 0 : shortest;
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
        if (ComponentwiseIntrinsics().count(tokens[first].text) &&
            end - first <= kLongestCallRead && (first == 0 || tokens[first - 1].text != ".")) {
            return ShortestOf(ArgumentComponents(tokens, first + 1, names));
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

// Components of one operand of the arithmetic operators: as
// ExpressionComponents tells, or a literal's one, a cast's type's, a
// bracketed value's; a leading sign changes nothing.
int OperandComponents(const Tokens& tokens, size_t first, size_t end,
                      const std::map<std::string, int>& names) {
    first += first + 1 < end && (IsChar(tokens[first], '-') || IsChar(tokens[first], '+'));
    if (first + 1 == end && tokens[first].kind == HlslToken::Kind::Number) {
        return 1;
    }
    if (!IsChar(tokens[first], '(')) {
        return ExpressionComponents(tokens, first, end, names);
    }
    const size_t close = ClosingBracket(tokens, first);
    if (close + 1 == end) {
        return ValueComponents(tokens, first + 1, close, names);
    }
    const bool cast = close == first + 2 && close + 1 < end;
    return cast ? ComponentsOf(tokens[first + 1].text) : 0;
}

// The components of each operand of the arithmetic operators joining
// [first, end) outside brackets; empty where another operator joins them.
std::vector<int> OperandLengths(const Tokens& tokens, size_t first, size_t end,
                                const std::map<std::string, int>& names) {
    std::vector<int> lengths;
    size_t operand = first;
    for (size_t at = first; at <= end; ++at) {
        if (at < end && (tokens[at].text == "(" || tokens[at].text == "[")) {
            at = ClosingBracket(tokens, at);
            continue;
        }
        const bool arithmetic =
            at < end && tokens[at].text.size() == 1 && tokens[at].text.find_first_of("+-*/%") == 0;
        if (at < end && tokens[at].kind == HlslToken::Kind::Punctuation && !arithmetic &&
            !IsChar(tokens[at], '.')) {
            return {};
        }
        if (at == end || (arithmetic && at > operand && EndsOperand(tokens[at - 1]))) {
            lengths.push_back(at > operand ? OperandComponents(tokens, operand, at, names) : 0);
            operand = at + 1;
        }
    }
    return lengths;
}

// Whether two of `lengths` are vectors of different sizes: Windows
// truncates the longer one.
bool LengthsDiffer(const std::vector<int>& lengths) {
    int seen = 0;
    for (int length : lengths) {
        if (length >= 2 && seen >= 2 && length != seen) {
            return true;
        }
        seen = length >= 2 ? length : seen;
    }
    return false;
}

// Components of the value [first, end): its form's, or, for arithmetic on
// operands whose forms tell theirs, the shortest vector operand's.
int ValueComponents(const Tokens& tokens, size_t first, size_t end,
                    const std::map<std::string, int>& names) {
    const int given = ExpressionComponents(tokens, first, end, names);
    if (given != 0) {
        return given;
    }
    const std::vector<int> lengths = OperandLengths(tokens, first, end, names);
    return ShortestOf(lengths);
}

void WarnIfTruncated(const Tokens& tokens, int wanted, size_t first, size_t end,
                     const std::map<std::string, int>& names, std::string* warnings) {
    int given = ExpressionComponents(tokens, first, end, names);
    bool truncated = false;
    if (given == 0) {
        const std::vector<int> lengths = OperandLengths(tokens, first, end, names);
        truncated = LengthsDiffer(lengths);
        given = ShortestOf(lengths);
    }
    if (truncated || (wanted >= 1 && given > wanted && given >= 2)) {
        *warnings += SourceSpan(tokens[first], tokens[end - 1]) +
                     ": warning X3206: implicit truncation of vector type\n";
    }
}

// The names of the whole source with those the function's own parameters
// and locals declare: where two functions declare one name differently,
// each function's own declaration tells.
std::map<std::string, int> NamesInFunction(const Tokens& tokens, const FunctionDefinition& function,
                                           const std::map<std::string, int>& names) {
    std::map<std::string, int> own = names;
    const size_t end = std::min(function.end, tokens.size());
    const Tokens body(tokens.begin() + long(function.parameters), tokens.begin() + long(end));
    for (const auto& [name, components] : MeasureDeclaredNames(body, ComponentsOf)) {
        if (components > 0) {
            own[name] = components;
        }
    }
    return own;
}

void WarnTruncatedArgument(const Tokens& tokens, std::pair<size_t, size_t> argument, int wanted,
                           int given, std::string* warnings) {
    if (wanted >= 1 && given > wanted && given >= 2) {
        *warnings += SourceSpan(tokens[argument.first], tokens[argument.second - 1]) +
                     ": warning X3206: implicit truncation of vector type\n";
    }
}

// Each function the source defines: the lengths of its parameters where it
// is defined once, with scalar and vector parameters taken in, and shares no
// intrinsic's name; none otherwise, where which function a call reaches, and
// what it takes, are not told.
std::map<std::string, std::vector<int>>
ParameterLengths(const Tokens& tokens, const std::vector<FunctionDefinition>& functions) {
    std::map<std::string, int> definitions;
    std::map<std::string, std::vector<int>> lengths;
    for (const FunctionDefinition& function : functions) {
        const std::string& name = tokens[function.name].text;
        ++definitions[name];
        std::vector<int>& counts = lengths[name];
        const std::optional<std::vector<NumericShape>> shapes = ParameterShapes(tokens, function);
        for (size_t index = 0; shapes && index < shapes->size(); ++index) {
            counts.push_back(int((*shapes)[index].components));
        }
    }
    for (const auto& [name, count] : definitions) {
        if (count > 1 || name == "cross" || TruncatesLongerArguments(name)) {
            lengths[name].clear();
        }
    }
    return lengths;
}

// X3206 for the arguments of the call whose name is at `at`: longer than a
// user function's parameter or cross's float3, or, for the intrinsics that
// take vectors of one length, longer than another argument.
void WarnTruncatedArguments(const Tokens& tokens, size_t at,
                            const std::map<std::string, std::vector<int>>& parameters,
                            const std::map<std::string, int>& names, std::string* warnings) {
    const std::string& name = tokens[at].text;
    const auto function = parameters.find(name);
    const bool cross = name == "cross";
    if ((function == parameters.end() && !cross && !TruncatesLongerArguments(name)) ||
        ClosingBracket(tokens, at + 1) - at > kLongestCallRead) {
        return;
    }
    const std::vector<std::pair<size_t, size_t>> arguments = CallArguments(tokens, at + 1);
    const std::vector<int> given = ArgumentComponents(tokens, at + 1, names);
    if (function != parameters.end() && function->second.size() != arguments.size()) {
        return; // a default, or a function whose parameters are not told
    }
    const int shortest = ShortestOf(given);
    for (size_t index = 0; index < arguments.size(); ++index) {
        const int wanted = function != parameters.end() ? function->second[index]
                           : cross                      ? 3
                                                        : shortest;
        WarnTruncatedArgument(tokens, arguments[index], wanted, given[index], warnings);
    }
}

} // namespace

void WarnTruncations(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                     std::string* warnings) {
    const std::map<std::string, int> declared = DeclaredComponents(tokens);
    const std::map<std::string, std::vector<int>> parameters = ParameterLengths(tokens, functions);
    // Each function's own copy costs the names times the functions: past a
    // bound (a generated source), the whole source's names serve.
    const bool affordable = declared.size() * functions.size() < 1000000;
    const bool conflicts =
        affordable && std::any_of(declared.begin(), declared.end(),
                                  [](const auto& entry) { return entry.second < 0; });
    for (const FunctionDefinition& function : functions) {
        const std::map<std::string, int> own =
            conflicts ? NamesInFunction(tokens, function, declared) : std::map<std::string, int>();
        const std::map<std::string, int>& names = conflicts ? own : declared;
        const int returned = ComponentsOf(tokens[function.name - 1].text);
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at + 2 < end; ++at) {
            if (IsIdentifier(tokens, at) && IsToken(tokens, at + 1, "(") &&
                tokens[at - 1].text != ".") {
                WarnTruncatedArguments(tokens, at, parameters, names, warnings);
            }
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
