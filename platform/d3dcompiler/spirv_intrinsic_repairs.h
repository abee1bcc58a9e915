// Intrinsics whose GLSL.std.450 instruction leaves cases undefined that
// Direct3D defines or computes otherwise, computed as Microsoft documents
// them: pow's table, step of NaN, smoothstep's formula, faceforward's sign.
#pragma once

#include "spirv_module.h"

namespace d3dcompiler_standin {

void RepairIntrinsics(SpirvModule& module);

} // namespace d3dcompiler_standin
