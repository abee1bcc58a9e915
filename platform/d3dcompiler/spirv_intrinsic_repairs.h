// Intrinsics whose GLSL.std.450 instruction leaves cases undefined that
// Direct3D defines, computed as Microsoft documents them: pow's table, and
// step of NaN.
#pragma once

#include "spirv_module.h"

namespace d3dcompiler_standin {

void RepairIntrinsics(SpirvModule& module);

} // namespace d3dcompiler_standin
