// Buffer and RWBuffer of a structure whose members fit one four-component
// register, which fxc takes and glslang refuses: each such buffer is
// declared as a typed buffer of the vector its members' components make,
// an element read through a function building the structure from that
// vector, and a value stored as the vector of its members.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

void RewriteStructureTypedBuffers(const std::vector<HlslToken>& tokens,
                                  std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
