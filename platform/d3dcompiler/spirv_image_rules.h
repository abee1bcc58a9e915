// Rules on a compiled module's images and atomics where glslang's choices
// differ between its versions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

// A texture or typed buffer read through a view may have any format that
// converts to its element type (a Buffer<float4> over R32G32_FLOAT reads 0
// and 1 for the missing components); newer glslang writes the element's
// format into sampled image types, which Vulkan then holds the view to.
void ForgetSampledImageFormats(std::vector<uint32_t>* spirv);

// Whether the module performs atomics on floats, which Windows' Interlocked
// functions refuse ("can only be performed on int or uint typed resources
// and shared memory variables") and newer glslang compiles.
bool UsesFloatAtomics(const std::vector<uint32_t>& spirv);

// Takes the Bias operand out of gathers (OpImageGather, OpImageDrefGather),
// which SPIR-V allows only on implicit-level sampling: glslang gives one to
// a GatherCmp without an offset, a cube's having none to take. A gather reads
// level 0 whatever a bias says.
void DropGatherBiases(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
