#include "declaration_checks.h"
#include "function_scan.h"
#include "register_checks.h"

#include <algorithm>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

const std::set<std::string> kModifiers = {
    "in",     "out",      "inout",         "uniform", "const",       "static",
    "extern", "volatile", "precise",       "shared",  "groupshared", "nointerpolation",
    "linear", "centroid", "noperspective", "sample",  "row_major",   "column_major",
    "unorm",  "snorm",
};

bool IsModifier(const Tokens& tokens, size_t at) {
    return at < tokens.size() && tokens[at].kind == HlslToken::Kind::Identifier &&
           kModifiers.count(tokens[at].text) != 0;
}

void Report(std::string* errors, const HlslToken& at, const std::string& message,
            const std::string& code) {
    *errors += SourceError(at, message, code) + "\n";
}

// "const const float", "out inout float": a usage given twice (inout is in
// and out together).
void CheckModifierRuns(const Tokens& tokens, std::string* errors) {
    for (size_t at = 0; at < tokens.size(); ++at) {
        std::set<std::string> seen;
        for (; IsModifier(tokens, at); ++at) {
            const std::string& word = tokens[at].text;
            std::vector<std::string> usages = {word};
            if (word == "inout") {
                usages = {"in", "out"};
            }
            bool repeated = false;
            for (const std::string& usage : usages) {
                repeated |= !seen.insert(usage).second;
            }
            if (repeated) {
                Report(errors, tokens[at], "duplicate usages specified", "X3048");
            }
        }
    }
}

// "uniform in float4 x": a uniform parameter is no input or output; "string
// name": no parameter is a string.
void CheckParameterUsages(const Tokens& tokens, const FunctionDefinition& function,
                          std::string* errors) {
    for (const auto& [begin, end] : Parameters(tokens, function)) {
        bool uniform = false;
        bool inOrOut = false;
        size_t at = begin;
        for (; at < end && IsModifier(tokens, at); ++at) {
            const std::string& word = tokens[at].text;
            uniform |= word == "uniform";
            inOrOut |= word == "in" || word == "out" || word == "inout";
        }
        if (uniform && inOrOut) {
            Report(errors, tokens[begin],
                   "uniform parameters cannot also be declared in, out or inout", "");
        }
        // Strings exist only in effects' annotations.
        if (at < end && tokens[at].text == "string") {
            Report(errors, tokens[at], "string parameters are not supported", "");
        }
    }
}

// The declarators of a declaration statement from `at` (its type): each
// declarator's name and whether an initialiser follows it. Stops at ';'.
struct Declarator {
    size_t name;
    bool emptyDimension; // "name[]"
    bool initialised;
};

std::vector<Declarator> ReadDeclarators(const Tokens& tokens, size_t at, size_t end) {
    std::vector<Declarator> declarators;
    if (IsToken(tokens, at + 1, "<")) {
        at = ClosingBracket(tokens, at + 1);
    }
    ++at; // past the type
    while (at < end && tokens[at].kind == HlslToken::Kind::Identifier) {
        Declarator declarator{at, false, false};
        ++at;
        for (; IsToken(tokens, at, "["); at = ClosingBracket(tokens, at) + 1) {
            declarator.emptyDimension |= IsToken(tokens, at + 1, "]");
        }
        for (; at < end && tokens[at].text != "," && tokens[at].text != ";"; ++at) {
            const std::string& text = tokens[at].text;
            declarator.initialised |= text == "=";
            if (text == "(" || text == "{" || text == "[" || text == "<") {
                at = ClosingBracket(tokens, at);
            }
        }
        declarators.push_back(declarator);
        if (!IsToken(tokens, at, ",")) {
            break;
        }
        ++at;
    }
    return declarators;
}

// A statement that declares variables: modifiers, then a type and a name.
bool StartsDeclaration(const Tokens& tokens, size_t at, size_t* type) {
    const bool afterBoundary = at == 0 || tokens[at - 1].text == ";" ||
                               tokens[at - 1].text == "{" || tokens[at - 1].text == "}";
    if (!afterBoundary) {
        return false;
    }
    while (IsModifier(tokens, at)) {
        ++at;
    }
    if (at + 1 >= tokens.size() || tokens[at].kind != HlslToken::Kind::Identifier) {
        return false;
    }
    size_t name = IsToken(tokens, at + 1, "<") ? ClosingBracket(tokens, at + 1) + 1 : at + 1;
    *type = at;
    return name < tokens.size() && tokens[name].kind == HlslToken::Kind::Identifier &&
           tokens[at].text != "return" && tokens[at].text != "typedef";
}

bool HasModifier(const Tokens& tokens, size_t from, size_t type, const char* word) {
    for (size_t at = from; at < type; ++at) {
        if (tokens[at].text == word) {
            return true;
        }
    }
    return false;
}

// Variables declared in [begin, end), at the positions `judged` (all when
// empty): a local const needs an initial value, and an array whose size is
// left out takes it from its initialiser.
// From shader model 5.1 a resource array may leave its size open (bound to a
// descriptor range of any length).
void CheckVariables(const Tokens& tokens, size_t begin, size_t end, bool local,
                    bool unboundedResources, const std::vector<bool>& judged, std::string* errors) {
    for (size_t at = begin; at < end; ++at) {
        size_t type = 0;
        if ((!judged.empty() && !judged[at]) || !StartsDeclaration(tokens, at, &type)) {
            continue;
        }
        const bool constant = HasModifier(tokens, at, type, "const");
        for (const Declarator& declarator : ReadDeclarators(tokens, type, end)) {
            const HlslToken& name = tokens[declarator.name];
            if (declarator.initialised ||
                (unboundedResources && IsResourceType(tokens[type].text))) {
                continue;
            }
            if (declarator.emptyDimension) {
                Report(errors, name, "'" + name.text + "': implicit array missing initial value",
                       "X3074");
            } else if (local && constant) {
                Report(errors, name, "'" + name.text + "': missing initial value", "X3012");
            }
        }
        at = type;
    }
}

// "typedef float A[];": a type's dimensions cannot come from an initialiser.
void CheckTypedefs(const Tokens& tokens, std::string* errors) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "typedef") {
            continue;
        }
        for (const Declarator& declarator : ReadDeclarators(tokens, at + 1, tokens.size())) {
            if (declarator.emptyDimension) {
                Report(errors, tokens[declarator.name], "array dimensions of type must be explicit",
                       "X3072");
            }
        }
    }
}

// Clears [first, last] (last may be past the end, for an unclosed bracket).
void MarkRange(std::vector<bool>* marks, size_t first, size_t last) {
    std::fill(marks->begin() + first, marks->begin() + std::min(last + 1, marks->size()), false);
}

} // namespace

void CheckDeclarations(const Tokens& tokens, const ShaderTarget& target, std::string* errors) {
    const bool unbounded = target.major > 5 || target.minor >= 1;
    CheckModifierRuns(tokens, errors);
    CheckTypedefs(tokens, errors);
    std::vector<bool> global(tokens.size(), true);
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        CheckParameterUsages(tokens, function, errors);
        CheckVariables(tokens, function.body + 1, function.end, true, unbounded, {}, errors);
        MarkRange(&global, function.parameters, function.end);
    }
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        MarkRange(&global, body.open, body.close);
    }
    CheckVariables(tokens, 0, tokens.size(), false, unbounded, global, errors);
}

} // namespace d3dcompiler_standin
