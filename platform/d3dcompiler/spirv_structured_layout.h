// Structured buffers laid out as Direct3D lays them out: each element's
// members follow one another on 4-byte boundaries, with no padding to 16
// bytes, so a float3 element is 12 bytes and a float3 after a float starts
// at byte 4. glslang gives storage buffers the std430 rules, which align
// three- and four-component vectors and structures to 16 bytes.
#pragma once

#include "spirv_module.h"

namespace d3dcompiler_standin {

// Rewrites the Offset, ArrayStride and MatrixStride decorations of the types
// inside every storage block whose last member is a runtime array. Such
// layouts need scalar block layout, which the device enables.
void LayOutStructuredBuffers(SpirvModule& module);

} // namespace d3dcompiler_standin
