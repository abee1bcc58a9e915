#include "structure_overload_checks.h"

#include "aggregate_shapes.h"
#include "call_shapes.h"
#include "expression_types.h"
#include "function_scan.h"

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Whether some name is defined as a function twice at global scope ("Type
// Name (" at depth 0): without one there are no overloads to judge.
bool DefinesAFunctionTwice(const Tokens& tokens) {
    std::vector<std::string> names;
    int depth = 0;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        depth += IsChar(tokens[at], '{') ? 1 : IsChar(tokens[at], '}') ? -1 : 0;
        if (depth != 0 || !IsChar(tokens[at + 2], '(') || !IsIdentifier(tokens, at) ||
            !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        if (std::find(names.begin(), names.end(), tokens[at + 1].text) != names.end()) {
            return true;
        }
        names.push_back(tokens[at + 1].text);
    }
    return false;
}

bool SameShape(const Shape& a, const Shape& b) {
    if (a.kind != b.kind || a.parts.size() != b.parts.size()) {
        return false;
    }
    for (size_t i = 0; i < a.parts.size(); ++i) {
        if (!SameShape(a.parts[i], b.parts[i])) {
            return false;
        }
    }
    return true;
}

// Each parameter's type name, past its modifiers.
std::vector<std::string> ParameterTypes(const Tokens& tokens, const FunctionDefinition& function) {
    std::vector<std::string> types;
    for (const auto& [first, end] : Parameters(tokens, function)) {
        size_t at = first;
        while (at + 1 < end &&
               (tokens[at].text == "in" || tokens[at].text == "out" || tokens[at].text == "inout" ||
                tokens[at].text == "const" || tokens[at].text == "uniform")) {
            ++at;
        }
        types.push_back(at < end ? tokens[at].text : "");
    }
    return types;
}

// The structure names that make two overloads of one name the same: for each
// (name, count), the structures at the one position where they differ.
using Twins = std::map<std::pair<std::string, size_t>, std::pair<size_t, std::set<std::string>>>;

Twins FindTwins(const Tokens& tokens, const Shapes& structures) {
    std::multimap<std::string, std::vector<std::string>> overloads;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        overloads.insert({tokens[function.name].text, ParameterTypes(tokens, function)});
    }
    Twins twins;
    for (auto a = overloads.begin(); a != overloads.end(); ++a) {
        for (auto b = std::next(a); b != overloads.end() && b->first == a->first; ++b) {
            if (a->second.size() != b->second.size()) {
                continue;
            }
            std::vector<size_t> differing;
            for (size_t i = 0; i < a->second.size(); ++i) {
                if (a->second[i] != b->second[i]) {
                    differing.push_back(i);
                }
            }
            auto sa =
                differing.size() == 1 ? structures.find(a->second[differing[0]]) : structures.end();
            auto sb =
                differing.size() == 1 ? structures.find(b->second[differing[0]]) : structures.end();
            if (sa != structures.end() && sb != structures.end() &&
                SameShape(sa->second, sb->second)) {
                twins[{a->first, a->second.size()}] = {differing[0], {sa->first, sb->first}};
            }
        }
    }
    return twins;
}

} // namespace

void CheckStructureOverloads(const std::vector<HlslToken>& tokens, std::string* errors) {
    if (!DefinesAFunctionTwice(tokens)) {
        return;
    }
    Shapes structures;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && IsIdentifier(tokens, at + 1)) {
            ReadStructure(tokens, at, &structures);
        }
    }
    const Twins twins = structures.size() < 2 ? Twins() : FindTwins(tokens, structures);
    if (twins.empty()) {
        return;
    }
    LazyExpressionTypes types(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at + 1].text != "(" ||
            (IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return")) {
            continue; // not a call, or a definition
        }
        const auto arguments = CallArguments(tokens, at + 1);
        const auto found = twins.find({tokens[at].text, arguments.size()});
        if (found == twins.end()) {
            continue;
        }
        const auto& [first, end] = arguments[found->second.first];
        const std::optional<ExpressionType> type = types->TypeOf(first, end);
        if (type && type->structure && !type->IsArray() &&
            found->second.second.count(type->base) != 0) {
            *errors += SourceError(tokens[at], "'" + tokens[at].text + "': ambiguous function call",
                                   "X3067") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
