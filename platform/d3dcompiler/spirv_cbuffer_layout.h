// Constant buffers laid out by HLSL's packing rules: each array element,
// structure and matrix column (row, when row-major) starts a 16-byte
// register; a scalar or vector never straddles one; and what follows an
// array or structure packs into the unused end of its last register, where
// glslang pads the whole register.
#pragma once

#include "spirv_module.h"

#include <set>
#include <string>

namespace d3dcompiler_standin {

// Rewrites the Offset and ArrayStride decorations of every Block in Uniform
// storage and of the types inside it. Such layouts overlap the padding
// Vulkan's standard rules reserve, so they need scalar block layout.
// A member named in `placed` (by packoffset or register(cN), which glslang
// follows) keeps its offset, and the members without one pack after the end
// of the last placed one declared, as Windows places automatically packed
// globals (away from the registers placed ones hold).
void LayOutConstantBuffers(SpirvModule& module, const std::set<std::string>& placed = {});

} // namespace d3dcompiler_standin
