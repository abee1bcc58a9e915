#include "member_checks.h"

#include <algorithm>

namespace d3dcompiler_standin {

namespace {

// Whether the name at `at` is declared there: after its type (or after a
// comma between declarators) and before what may end a declarator.
// A punctuation token's one character; '\0' for any other token. Read so
// rather than compared as strings: this runs in every compile.
char Single(const HlslToken& token) {
    return token.text.size() == 1 ? token.text[0] : '\0';
}

bool DeclaresMember(const std::vector<HlslToken>& tokens, size_t at) {
    if (!IsIdentifier(tokens, at) || at == 0 || at + 1 >= tokens.size()) {
        return false;
    }
    const char before = Single(tokens[at - 1]);
    const char after = Single(tokens[at + 1]);
    const bool typed = IsIdentifier(tokens, at - 1) || before == '>' || before == ',';
    return typed && (after == ';' || after == ',' || after == '[' || after == ':');
}

} // namespace

void CheckStructureMembers(const std::vector<HlslToken>& tokens, size_t open, size_t close,
                           std::string* errors) {
    // A structure has few members: a list read through beats a set built.
    std::vector<const std::string*> names;
    int depth = 0;
    for (size_t at = open + 1; at < close; ++at) {
        const std::string& text = tokens[at].text;
        const char only = Single(tokens[at]);
        depth += only == '{' || only == '(' || only == '[';
        depth -= only == '}' || only == ')' || only == ']';
        if (depth != 0 || !DeclaresMember(tokens, at)) {
            continue;
        }
        const bool again = std::any_of(names.begin(), names.end(),
                                       [&](const std::string* name) { return *name == text; });
        if (again) {
            *errors += SourceError(tokens[at], "redefinition of '" + text + "'", "X3003") + "\n";
        }
        names.push_back(&text);
    }
}

} // namespace d3dcompiler_standin
