// Initialiser lists whose elements are vectors, matrices, structures or
// arrays mixed with scalars ("float4x4 m = { row0, s.v, 1, 2, ... }",
// "S s2 = { s.inner, 1 }"): HLSL fills the variable's components in order
// from the elements' components, whatever their grouping. glslang matches
// elements to members, so each element is written as its components, nested
// to the variable's shape.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

void FlattenTypedInitialisers(const std::string& source, const std::vector<HlslToken>& tokens,
                              std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
