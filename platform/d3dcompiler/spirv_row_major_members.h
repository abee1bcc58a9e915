// A row_major matrix of fewer than four columns in a constant buffer leaves
// room in its last register that HLSL packs the next member into. glslang
// writes it as a column-major SPIR-V matrix, which the Vulkan validation
// layer reads as filling its last register whole, and reports the next
// member as overlapping it. The same memory is a row-major matrix of the
// transposed type, which the layer measures as HLSL does: that member is
// given the transposed type (an array of them for an array), and its reads
// are changed to match.
#pragma once

#include "spirv_module.h"

namespace d3dcompiler_standin {

void TransposeOverlappedMatrices(SpirvModule& module);

} // namespace d3dcompiler_standin
