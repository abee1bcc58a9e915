// Direct3D flushes 32-bit denormals to a zero of their sign on the input and
// output of float arithmetic, but not when a value is only moved, loaded or
// stored. Vulkan leaves it to the driver: lavapipe flushes them in draws but
// not in compute dispatches. A compute shader's float arithmetic is given the
// flushes explicitly.
#pragma once

#include "spirv_module.h"

namespace d3dcompiler_standin {

void FlushDenormalsInCompute(SpirvModule& module);

} // namespace d3dcompiler_standin
