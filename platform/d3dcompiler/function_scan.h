// Where the functions and type bodies of a preprocessed source are: the
// positions that the source checks judge declarations and statements by.
#pragma once

#include "hlsl_tokens.h"

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

} // namespace d3dcompiler_standin
