// Where SPIR-V's rules for a value differ from Direct3D's, the code glslang
// emits is changed to compute Direct3D's: truncating float remainders, shift
// counts taken modulo 32, saturating float-to-integer conversions,
// zero for statics and variables never written, constant buffers packed as
// HLSL packs them and, in pixel shaders, SV_Position.w as w.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct ValueRepairs {
    bool pixelShader = false;
    // D3DCOMPILE_IEEE_STRICTNESS: no float arithmetic is simplified as if
    // its values were finite (x - x to 0, x * 0 to 0, -0 + 0 to -0).
    bool ieeeStrict = false;
    // Constant buffers repacked by HLSL's rules, but for the constants the
    // source places itself (packoffset, register(cN)), which glslang follows.
    bool hlslPacking = true;
    std::set<std::string> placedConstants;
};

// Leaves `spirv` as it is when it cannot be read as a module.
void RepairValues(std::vector<uint32_t>* spirv, const ValueRepairs& repairs);

} // namespace d3dcompiler_standin
