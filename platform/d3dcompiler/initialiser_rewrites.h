// Initialiser lists that give every scalar of a structure or array in one
// flat list, `S s = { 1, 2, 3, 4 };` for `struct S { float2 a; float2 b; }`,
// which Windows' compiler fills component by component and glslang refuses:
// rewritten with the braces of the type's own nesting, `{ {1, 2}, {3, 4} }`.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds to `edits` the rewrite of each such list in `source`, whose tokens are
// `tokens`. Lists whose elements are not one per scalar are left alone: their
// elements' own sizes would be needed to split them.
void NestFlatInitialisers(const std::string& source, const std::vector<HlslToken>& tokens,
                          std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
