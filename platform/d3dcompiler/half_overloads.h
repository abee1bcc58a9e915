// Overloads that differ only in half against float ("half Twice(half)" beside
// "float Twice(float)"): Windows keeps them apart though both compute in 32
// bits at shader model 5; glslang reads half as float and calls the second a
// redefinition. The half overload is renamed, and so are the calls whose
// arguments the tokens show to be half where the two differ.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RenameHalfOverloads(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
