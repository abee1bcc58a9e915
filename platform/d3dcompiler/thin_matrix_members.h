// A structure's member of one row or one column (float1x3, float4x1) where a
// constant buffer or a global the program sets holds the structure: its
// registers are packed as any matrix's, a column each (a row each when
// row_major), so one that fills several holds a component in each, as an
// array of scalars does. It is declared as that array, and each read of the
// member becomes a call of a function building the vector that stands for the
// matrix (thin_matrices.cpp). One that the source writes (through a local
// copy of the structure) stays the vector, which a call cannot stand for.
#pragma once

#include "expression_types.h"
#include "function_scan.h"
#include "hlsl_tokens.h"

#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct ThinMemberInput {
    const std::string& text;
    const std::vector<HlslToken>& tokens;
    const std::vector<size_t>& thinTypes; // the tokens naming thin matrix types
    const std::vector<TypeBody>& bodies;
    const std::set<std::string>& constantTypes; // structures the program sets
    const ExpressionTypes& types;
};

// Adds the edits declaring and reading such members to `*edits` and their
// readers' definitions to `*helpers`; returns the type tokens it declared.
std::set<size_t> DeclareThinMembers(const ThinMemberInput& input, std::vector<TextEdit>* edits,
                                    std::set<std::string>* helpers);

} // namespace d3dcompiler_standin
