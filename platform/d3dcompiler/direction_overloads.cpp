#include "direction_overloads.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

constexpr char kRenameSuffix[] = "_standin_direction";

bool IsDirection(const std::string& word) {
    return word == "in" || word == "out" || word == "inout";
}

// The parameters' types and, apart, their directions ("out", "inout", or ""
// for in), each parameter ended by a comma.
void ReadParameters(const Tokens& tokens, const FunctionDefinition& function, std::string* types,
                    std::string* directions) {
    for (const auto& [first, last] : Parameters(tokens, function)) {
        size_t type = first;
        for (; type < last && (IsDirection(tokens[type].text) || tokens[type].text == "const" ||
                               tokens[type].text == "uniform");
             ++type) {
            *directions += tokens[type].text == "in" ? "" : tokens[type].text;
        }
        *types += (type < last ? tokens[type].text : "") + ",";
        *directions += ",";
    }
}

// Whether any name is defined twice: most sources overload nothing.
bool AnyNameDefinedTwice(const Tokens& tokens, const std::vector<FunctionDefinition>& functions) {
    std::vector<const std::string*> names;
    for (const FunctionDefinition& function : functions) {
        names.push_back(&tokens[function.name].text);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string* a, const std::string* b) { return *a < *b; });
    return std::adjacent_find(
               names.begin(), names.end(),
               [](const std::string* a, const std::string* b) { return *a == *b; }) != names.end();
}

} // namespace

std::vector<FunctionDefinition> DefinitionsDifferingInDirectionOnly(const Tokens& tokens) {
    std::map<std::string, std::set<std::string>> seen; // name and types -> directions
    std::vector<FunctionDefinition> found;
    const std::vector<FunctionDefinition> functions = FindFunctionDefinitions(tokens);
    if (!AnyNameDefinedTwice(tokens, functions)) {
        return found;
    }
    for (const FunctionDefinition& function : functions) {
        std::string key = tokens[function.name].text + "(";
        std::string directions;
        ReadParameters(tokens, function, &key, &directions);
        std::set<std::string>& known = seen[key];
        if (!known.empty() && known.insert(directions).second) {
            found.push_back(function);
        }
        known.insert(directions);
    }
    return found;
}

void RenameDirectionOnlyOverloads(const Tokens& tokens, std::vector<TextEdit>* edits) {
    size_t count = 0;
    for (const FunctionDefinition& function : DefinitionsDifferingInDirectionOnly(tokens)) {
        const HlslToken& name = tokens[function.name];
        edits->push_back(
            {name.offset, name.text.size(), name.text + kRenameSuffix + std::to_string(++count)});
    }
}

std::string NameBeforeDirectionRename(const std::string& name) {
    const size_t at = name.rfind(kRenameSuffix);
    if (at == std::string::npos || at == 0) {
        return "";
    }
    const std::string number = name.substr(at + sizeof(kRenameSuffix) - 1);
    const bool numbered =
        !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
    return numbered ? name.substr(0, at) : "";
}

} // namespace d3dcompiler_standin
