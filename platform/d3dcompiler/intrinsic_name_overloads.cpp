#include "intrinsic_name_overloads.h"

#include "call_messages.h"
#include "call_shapes.h"
#include "function_scan.h"

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

constexpr const char* kSourceSuffix = "_sourceOverload";

// Whether some "type name (" names an intrinsic: without one the source
// defines no function of an intrinsic's name.
bool DefinesAnIntrinsicName(const Tokens& tokens) {
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (IsChar(tokens[at + 1], '(') && IsIdentifier(tokens, at) &&
            IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return" &&
            IsIntrinsicFunction(tokens[at].text)) {
            return true;
        }
    }
    return false;
}

} // namespace

void RenameIntrinsicNamedOverloads(const std::vector<HlslToken>& tokens,
                                   std::vector<TextEdit>* edits) {
    if (!DefinesAnIntrinsicName(tokens)) {
        return;
    }
    std::map<std::string, std::set<size_t>> counts; // name -> the source's parameter counts
    std::set<size_t> definitions;                   // their name tokens
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        if (IsIntrinsicFunction(tokens[function.name].text)) {
            counts[tokens[function.name].text].insert(Parameters(tokens, function).size());
            definitions.insert(function.name);
        }
    }
    std::vector<size_t> calls;   // of the source's overloads
    std::set<std::string> mixed; // names with a call that only the intrinsic takes
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        auto found = counts.find(tokens[at].text);
        if (found == counts.end() || tokens[at + 1].text != "(" || tokens[at - 1].text == "." ||
            definitions.count(at) != 0) {
            continue;
        }
        if (found->second.count(CallArguments(tokens, at + 1).size()) != 0) {
            calls.push_back(at);
        } else {
            mixed.insert(found->first);
        }
    }
    for (size_t at : definitions) {
        calls.push_back(at);
    }
    for (size_t at : calls) {
        if (mixed.count(tokens[at].text) != 0) {
            edits->push_back({tokens[at].offset + tokens[at].text.size(), 0, kSourceSuffix});
        }
    }
}

} // namespace d3dcompiler_standin
