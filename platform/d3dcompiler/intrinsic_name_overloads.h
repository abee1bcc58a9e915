// Functions of the source named like an intrinsic. Windows calls the
// source's function where a call matches it and the intrinsic otherwise
// (`float lerp(float a, float b)` beside the intrinsic's three-argument
// lerp); glslang's user function hides the intrinsic from every call that
// is no exact match of it. Where a call of the name takes an argument count
// none of the source's overloads take, those overloads and the calls of
// their counts are renamed, so the other calls reach the intrinsic.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RenameIntrinsicNamedOverloads(const std::vector<HlslToken>& tokens,
                                   std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
