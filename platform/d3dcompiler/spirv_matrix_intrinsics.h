// glslang applies the GLSL.std.450 instruction of a component-wise intrinsic
// (max, abs, clamp, lerp's mix, ...) and the derivatives (ddx, fwidth, ...) to
// a matrix whole, which SPIR-V allows on scalars and vectors only: each such
// instruction becomes the instruction on every column, the matrix built from
// the results. One with a pointer operand (modf, frexp) is left as it is.
#pragma once

#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

// Leaves `spirv` as it is where no such instruction is in it.
void SplitMatrixIntrinsics(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
