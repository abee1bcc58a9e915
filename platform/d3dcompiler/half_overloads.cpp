#include "half_overloads.h"
#include "call_shapes.h"
#include "function_scan.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

constexpr const char* kHalfSuffix = "_halfOverload";

// Whether `half` and `other` differ only where `half` has half and `other`
// float (same component counts); the positions in `*differing`.
bool DifferInHalfOnly(const std::vector<NumericShape>& half, const std::vector<NumericShape>& other,
                      std::vector<bool>* differing) {
    if (half.size() != other.size()) {
        return false;
    }
    differing->assign(half.size(), false);
    bool any = false;
    for (size_t i = 0; i < half.size(); ++i) {
        if (half[i].components != other[i].components) {
            return false;
        }
        if (half[i].base != other[i].base) {
            if (half[i].base != "half" || other[i].base != "float") {
                return false;
            }
            (*differing)[i] = any = true;
        }
    }
    return any;
}

// The half overloads by name and count, with the positions where they differ
// from their float twin; each definition's name token in `*names`.
std::map<std::pair<std::string, size_t>, std::vector<bool>>
FindHalfOverloads(const Tokens& tokens, std::vector<size_t>* names) {
    std::vector<std::pair<size_t, std::vector<NumericShape>>> definitions;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        if (std::optional<std::vector<NumericShape>> shapes = ParameterShapes(tokens, function)) {
            definitions.push_back({function.name, *shapes});
        }
    }
    std::multimap<std::string, size_t> byName; // into definitions
    for (size_t i = 0; i < definitions.size(); ++i) {
        byName.insert({tokens[definitions[i].first].text, i});
    }
    std::map<std::pair<std::string, size_t>, std::vector<bool>> found;
    for (const auto& [half, halfShapes] : definitions) {
        auto [first, last] = byName.equal_range(tokens[half].text);
        for (auto it = first; it != last; ++it) {
            const auto& [other, otherShapes] = definitions[it->second];
            std::vector<bool> differing;
            if (DifferInHalfOnly(halfShapes, otherShapes, &differing)) {
                found[{tokens[half].text, halfShapes.size()}] = differing;
                names->push_back(half);
                break;
            }
        }
    }
    return found;
}

} // namespace

void RenameHalfOverloads(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::vector<size_t> names;
    const auto overloads = FindHalfOverloads(tokens, &names);
    if (overloads.empty()) {
        return;
    }
    for (size_t name : names) {
        edits->push_back({tokens[name].offset + tokens[name].text.size(), 0, kHalfSuffix});
    }
    const auto declared = DeclaredShapes(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (!IsToken(tokens, at + 1, "(") || ParseShape(tokens[at - 1].text)) {
            continue; // not a call, or a definition
        }
        const auto arguments = CallArguments(tokens, at + 1);
        const auto found = overloads.find({tokens[at].text, arguments.size()});
        if (found == overloads.end()) {
            continue;
        }
        bool half = true;
        for (size_t i = 0; i < arguments.size() && half; ++i) {
            const auto shape =
                ArgumentShape(tokens, arguments[i].first, arguments[i].second, declared);
            half = !found->second[i] || (shape && shape->base == "half");
        }
        if (half) {
            edits->push_back({tokens[at].offset + tokens[at].text.size(), 0, kHalfSuffix});
        }
    }
}

} // namespace d3dcompiler_standin
