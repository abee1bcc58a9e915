#include "memory_names.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool IsUnorderedAccessType(const HlslToken& token) {
    const std::string& text = token.text;
    return token.kind == HlslToken::Kind::Identifier &&
           (text.rfind("RW", 0) == 0 || text == "AppendStructuredBuffer" ||
            text == "ConsumeStructuredBuffer");
}

// The name declared after the type or keyword at `at`: past a template's
// arguments and, for `groupshared`, past the type ("groupshared float4 cells",
// "groupshared row_major float4x4 m").
void AddDeclaredName(const Tokens& tokens, size_t at, bool typeFollows,
                     std::set<std::string>* names) {
    size_t name = at + 1;
    if (IsToken(tokens, name, "<")) {
        name = ClosingBracket(tokens, name) + 1;
    }
    while (typeFollows && name + 1 < tokens.size() && IsIdentifier(tokens, name + 1)) {
        ++name;
    }
    if (IsIdentifier(tokens, name)) {
        names->insert(tokens[name].text);
    }
}

} // namespace

std::set<std::string> UnorderedAccessNames(const Tokens& tokens) {
    std::set<std::string> names;
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (IsUnorderedAccessType(tokens[at])) {
            AddDeclaredName(tokens, at, false, &names);
        }
    }
    return names;
}

std::set<std::string> GroupSharedNames(const Tokens& tokens) {
    std::set<std::string> names;
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (tokens[at].text == "groupshared") {
            AddDeclaredName(tokens, at, true, &names);
        }
    }
    return names;
}

} // namespace d3dcompiler_standin
