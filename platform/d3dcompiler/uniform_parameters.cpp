#include "uniform_parameters.h"
#include "function_scan.h"

namespace d3dcompiler_standin {
namespace {

// Whether tokens[at] is "uniform" first in a parameter (after "(" or ","),
// with no direction after it: "uniform in" is refused, as by Windows.
bool IsUniformParameter(const std::vector<HlslToken>& tokens, size_t at) {
    if (at == 0 || at + 1 >= tokens.size() || tokens[at].text != "uniform" ||
        (tokens[at - 1].text != "(" && tokens[at - 1].text != ",")) {
        return false;
    }
    const std::string& next = tokens[at + 1].text;
    return next != "in" && next != "out" && next != "inout";
}

} // namespace

void BlankHelperUniformParameters(const std::vector<HlslToken>& tokens,
                                  const std::string& entryPoint, std::vector<TextEdit>* edits) {
    size_t first = 0;
    while (first < tokens.size() && !IsUniformParameter(tokens, first)) {
        ++first;
    }
    if (first == tokens.size()) {
        return;
    }
    std::vector<std::pair<size_t, size_t>> entryLists;
    for (const FunctionDefinition& definition : FindFunctionDefinitions(tokens)) {
        if (tokens[definition.name].text == entryPoint) {
            entryLists.push_back({definition.parameters, definition.body});
        }
    }
    for (size_t at = first; at < tokens.size(); ++at) {
        if (!IsUniformParameter(tokens, at)) {
            continue;
        }
        bool inEntry = false;
        for (const auto& [open, body] : entryLists) {
            inEntry = inEntry || (at > open && at < body);
        }
        if (!inEntry) {
            edits->push_back({tokens[at].offset, tokens[at].text.size(), "       "});
        }
    }
}

} // namespace d3dcompiler_standin
