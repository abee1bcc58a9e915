// Constant structures with methods: glslang makes a `static const` or local
// `const` structure a constant, which a method call cannot take as its object
// (the SPIR-V fails legalisation), so such a declaration loses its `const`.
// Writes to it, which Windows refuses, then go unrefused.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RewriteConstObjectsWithMethods(const std::vector<HlslToken>& tokens,
                                    std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
