// Where SPIR-V's rules for a value differ from Direct3D's, the code glslang
// emits is changed to compute Direct3D's: truncating float remainders, shift
// counts taken modulo 32, saturating float-to-integer conversions,
// zero for statics and variables never written and, in pixel shaders,
// SV_Position.w as w.
#pragma once

#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

// Leaves `spirv` as it is when it cannot be read as a module.
void RepairValues(std::vector<uint32_t>* spirv, bool pixelShader);

} // namespace d3dcompiler_standin
