// Casts of a structure or array to a structure, which Windows' compiler takes
// where the source has at least as many components as the target and glslang
// refuses: `(Small)mixed` is written as the target's constructor of the
// source's leading components, `Small(float3(mixed.f3.x, mixed.f3.y,
// mixed.f3.z))`, nested structures as constructors of their own, each
// component converted to its member's type.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the rewrites of `tokens` (the main source, before glslang) to `edits`.
// Only operands whose type the declarations tell and that can be read more
// than once without side effects are rewritten.
void RewriteStructureCasts(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
