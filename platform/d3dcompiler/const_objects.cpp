#include "const_objects.h"

#include "function_scan.h"
#include "numeric_type_names.h"

#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

// The names of the structures and classes whose bodies define a method.
std::set<std::string> TypesWithMethods(const std::vector<HlslToken>& tokens) {
    std::set<std::string> names;
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        if (body.buffer || body.open < 1 || !IsIdentifier(tokens, body.open - 1)) {
            continue;
        }
        for (size_t at = body.open + 1; at < body.close; ++at) {
            if (IsChar(tokens[at], '(') && IsIdentifier(tokens, at - 1)) {
                names.insert(tokens[body.open - 1].text);
                break;
            }
        }
    }
    return names;
}

} // namespace

void RewriteConstObjectsWithMethods(const std::vector<HlslToken>& tokens,
                                    std::vector<TextEdit>* edits) {
    // Each "const" of a type no number is, with "static" before it or inside a
    // body: a source of numeric constants alone reads no structure.
    std::vector<size_t> candidates;
    int depth = 0;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        depth += IsChar(tokens[at], '{') - (IsChar(tokens[at], '}') && depth > 0);
        if (tokens[at].text.size() != 5 || tokens[at].text[0] != 'c') {
            continue; // no "const"
        }
        NumericTypeName numeric;
        if (tokens[at].text == "const" && IsIdentifier(tokens, at + 1) &&
            (depth > 0 || (at > 0 && tokens[at - 1].text == "static")) &&
            !ReadNumericTypeName(tokens[at + 1].text, &numeric)) {
            candidates.push_back(at);
        }
    }
    if (candidates.empty()) {
        return;
    }
    const std::set<std::string> types = TypesWithMethods(tokens);
    for (size_t at : candidates) {
        if (types.count(tokens[at + 1].text)) {
            edits->push_back({tokens[at].offset, tokens[at].text.size(), "     "});
        }
    }
}

} // namespace d3dcompiler_standin
