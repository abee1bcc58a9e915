#include "overload_rewrites.h"
#include "call_shapes.h"
#include "function_scan.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The cost of passing `argument` for `parameter`, lower is better: exact,
// another component type, fewer components, both; -1 where not ranked here
// (a scalar spread over a vector, more components than the argument has).
int ConversionCost(const NumericShape& argument, const NumericShape& parameter) {
    if (argument.components < parameter.components) {
        return -1;
    }
    const bool sameBase = argument.base == parameter.base;
    if (argument.components == parameter.components) {
        return sameBase ? 0 : 1;
    }
    return sameBase ? 2 : 3;
}

// Each candidate's costs for the arguments; empty when any candidate of the
// right count has a cost that is not ranked.
std::vector<std::vector<int>> Costs(const std::vector<NumericShape>& arguments,
                                    const std::vector<std::vector<NumericShape>>& candidates) {
    std::vector<std::vector<int>> costs;
    for (const std::vector<NumericShape>& parameters : candidates) {
        std::vector<int> cost;
        for (size_t i = 0; i < arguments.size(); ++i) {
            cost.push_back(ConversionCost(arguments[i], parameters[i]));
            if (cost.back() < 0) {
                return {};
            }
        }
        costs.push_back(cost);
    }
    return costs;
}

// The candidate no worse than every other for each argument and better for
// one; costs.size() when there is none.
size_t BestCandidate(const std::vector<std::vector<int>>& costs) {
    for (size_t best = 0; best < costs.size(); ++best) {
        bool beatsAll = true;
        for (size_t other = 0; other < costs.size() && beatsAll; ++other) {
            bool better = false;
            for (size_t i = 0; i < costs[best].size(); ++i) {
                beatsAll &= costs[best][i] <= costs[other][i];
                better |= costs[best][i] < costs[other][i];
            }
            beatsAll &= other == best || better;
        }
        if (beatsAll) {
            return best;
        }
    }
    return costs.size();
}

std::string TypeName(const NumericShape& shape) {
    return shape.components == 1 ? shape.base : shape.base + std::to_string(shape.components);
}

using Candidates = std::map<std::pair<std::string, size_t>, std::vector<std::vector<NumericShape>>>;

// The scalar and vector overloads by name and parameter count; a name with a
// definition whose parameters are not all read is left out.
Candidates FindCandidates(const Tokens& tokens) {
    Candidates candidates;
    std::map<std::string, bool> unread;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        const std::string& name = tokens[function.name].text;
        const std::optional<std::vector<NumericShape>> shapes = ParameterShapes(tokens, function);
        if (!shapes) {
            unread[name] = true;
            continue;
        }
        candidates[{name, shapes->size()}].push_back(*shapes);
    }
    for (auto it = candidates.begin(); it != candidates.end();) {
        it = unread.count(it->first.first) != 0 || it->second.size() < 2 ? candidates.erase(it)
                                                                         : std::next(it);
    }
    return candidates;
}

} // namespace

void RewriteResolvedOverloads(const Tokens& tokens, std::vector<TextEdit>* edits) {
    const Candidates candidates = FindCandidates(tokens);
    if (candidates.empty()) {
        return;
    }
    const std::map<std::string, std::optional<NumericShape>> declared = DeclaredShapes(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (!IsToken(tokens, at + 1, "(") || ParseShape(tokens[at - 1].text)) {
            continue; // not a call, or a definition
        }
        const auto arguments = CallArguments(tokens, at + 1);
        const auto found = candidates.find({tokens[at].text, arguments.size()});
        if (found == candidates.end()) {
            continue;
        }
        std::vector<NumericShape> shapes;
        for (const auto& [begin, end] : arguments) {
            const std::optional<NumericShape> shape = ArgumentShape(tokens, begin, end, declared);
            if (!shape) {
                break;
            }
            shapes.push_back(*shape);
        }
        const std::vector<std::vector<int>> costs = Costs(shapes, found->second);
        const size_t best = shapes.size() == arguments.size() ? BestCandidate(costs) : costs.size();
        if (best == costs.size()) {
            continue;
        }
        for (size_t i = 0; i < arguments.size(); ++i) {
            if (costs[best][i] == 0) {
                continue;
            }
            const HlslToken& first = tokens[arguments[i].first];
            const HlslToken& last = tokens[arguments[i].second - 1];
            std::string cast = "(";
            cast +=
                TypeName(found->second[best][i]); // appended: GCC 12 saw an overlap in "(" + ...
            cast += ")(";
            edits->push_back({first.offset, 0, cast});
            edits->push_back({last.offset + last.text.size(), 0, ")"});
        }
    }
}

} // namespace d3dcompiler_standin
