#include "member_checks.h"

#include <set>

namespace d3dcompiler_standin {

namespace {

// Whether the name at `at` is declared there: after its type (or after a
// comma between declarators) and before what may end a declarator.
bool DeclaresMember(const std::vector<HlslToken>& tokens, size_t at) {
    if (!IsIdentifier(tokens, at) || at == 0 || at + 1 >= tokens.size()) {
        return false;
    }
    const std::string& before = tokens[at - 1].text;
    const std::string& after = tokens[at + 1].text;
    const bool typed = IsIdentifier(tokens, at - 1) || before == ">" || before == ",";
    return typed && (after == ";" || after == "," || after == "[" || after == ":");
}

void CheckStructure(const std::vector<HlslToken>& tokens, size_t open, size_t close,
                    std::string* errors) {
    std::set<std::string> names;
    int depth = 0;
    for (size_t at = open + 1; at < close; ++at) {
        const std::string& text = tokens[at].text;
        depth += text == "{" || text == "(" || text == "[";
        depth -= text == "}" || text == ")" || text == "]";
        if (depth == 0 && DeclaresMember(tokens, at) && !names.insert(text).second) {
            *errors += SourceError(tokens[at], "redefinition of '" + text + "'", "X3003") + "\n";
        }
    }
}

} // namespace

void CheckMemberRedefinitions(const std::vector<HlslToken>& tokens, std::string* errors) {
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != "struct") {
            continue;
        }
        const size_t open = tokens[at + 1].text == "{" ? at + 1 : at + 2;
        if (tokens[open].text == "{") {
            CheckStructure(tokens, open, ClosingBracket(tokens, open), errors);
        }
    }
}

} // namespace d3dcompiler_standin
