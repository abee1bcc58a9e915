// Swizzles of several matrix components ("m._m00_m11", "m._11_22_33"),
// which Windows reads as a vector and glslang turns into invalid SPIR-V:
// read as a vector built from each component's own swizzle.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteMatrixSwizzles(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
