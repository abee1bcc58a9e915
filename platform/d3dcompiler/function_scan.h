// Where the functions and type bodies of a preprocessed source are: the
// positions that the source checks judge declarations and statements by.
#pragma once

#include "hlsl_tokens.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// A function defined at global scope: "type name ( ... ) [: semantic] { ... }".
struct FunctionDefinition {
    size_t name;       // the function's name
    size_t parameters; // its '('
    size_t body;       // its '{'
    size_t end;        // the '}' closing its body
};

std::vector<FunctionDefinition> FindFunctionDefinitions(const std::vector<HlslToken>& tokens);

// The range [open, close] of each struct, cbuffer and tbuffer body.
struct TypeBody {
    size_t open;
    size_t close;
    bool buffer; // cbuffer or tbuffer, not struct
};

std::vector<TypeBody> FindTypeBodies(const std::vector<HlslToken>& tokens);

// The parameters of a definition: for each, its first and past-last token.
std::vector<std::pair<size_t, size_t>> Parameters(const std::vector<HlslToken>& tokens,
                                                  const FunctionDefinition& function);

// The names the entry point's code uses: its own body and parameters, and
// those of every function it calls, directly or not.
std::set<std::string> NamesReached(const std::vector<HlslToken>& tokens,
                                   const std::vector<FunctionDefinition>& functions,
                                   const FunctionDefinition& entry);

// The end of an initialiser or assigned value starting at `first`: the ;
// or , outside brackets, the ) or } that closes what holds it, or `limit`.
size_t ValueEnd(const std::vector<HlslToken>& tokens, size_t first, size_t limit);

// Past the ';' ending the simple statement at `at` (below `end`), bracketed
// parts skipped.
size_t SimpleStatementEnd(const std::vector<HlslToken>& tokens, size_t at, size_t end);

// Each name declared as "type name" followed by = ; , : ( or ), whose type
// `measure` gives a nonzero value (variables, parameters, members and
// functions' return types), with that value; -1 where declarations disagree.
template <typename Measure>
std::map<std::string, int> MeasureDeclaredNames(const std::vector<HlslToken>& tokens,
                                                Measure&& measure) {
    std::map<std::string, int> names;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const std::string& after = tokens[at + 2].text;
        if (tokens[at + 2].kind != HlslToken::Kind::Punctuation ||
            (after != "=" && after != ";" && after != "," && after != ":" && after != ")" &&
             after != "(") ||
            !IsIdentifier(tokens, at + 1) || !IsIdentifier(tokens, at)) {
            continue;
        }
        const int value = measure(tokens[at].text);
        if (value == 0) {
            continue;
        }
        auto [entry, added] = names.emplace(tokens[at + 1].text, value);
        if (!added && entry->second != value) {
            entry->second = -1;
        }
    }
    return names;
}

} // namespace d3dcompiler_standin
