// Source forms whose value glslang gets wrong, rewritten into ones it gets
// right: a global const (a uniform, not a literal), row_major or column_major
// carried by a typedef, lit() as documented, GetRenderTargetSampleCount(),
// which is 1 on the stand-in's single-sampled targets, and [numthreads]
// without arguments, which a vertex or pixel shader ignores.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (the main source, before glslang) to `edits`.
void RewriteValueForms(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
