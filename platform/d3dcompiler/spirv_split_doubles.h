// Doubles that a structured buffer holds off an 8-byte boundary (a double
// after a float, at byte 4), which Direct3D packs there and no Vulkan layout
// expresses. Each such member is held as 32-bit words instead: a double as a
// uint2, a double vector or array of doubles as an array of uint2, a double
// matrix as an array of those; loads and stores bitcast between the words and
// the doubles.
#pragma once

#include "spirv_module.h"

namespace d3dcompiler_standin {

// Rewrites the double scalar, vector, array and matrix members of the structures inside
// storage block `block`, and every access to them. False, the module left
// as it was, where the block holds none or a use of them is not one this
// rewrite knows.
bool SplitDoubleMembers(SpirvModule& module, uint32_t block);

} // namespace d3dcompiler_standin
