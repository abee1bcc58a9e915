// mul() of a one-component vector and a matrix ("mul((float1)y, m)"), which
// glslang's HLSL front end crashes on, written as what Windows computes.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text `source` (one file, before glslang) to `edits`.
void RewriteOneComponentMul(const std::string& source, const std::vector<HlslToken>& tokens,
                            std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
