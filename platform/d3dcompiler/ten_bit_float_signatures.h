// min10float values passed between stages: glslang marks them as it marks
// min16float (RelaxedPrecision), so the signatures read from the SPIR-V say
// 16 bits; Windows' compiler writes D3D_MIN_PRECISION_FLOAT_2_8. The source
// tells which semantics are declared min10float.
#pragma once

#include "hlsl_tokens.h"
#include "spirv_signatures.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Elements of 16-bit float precision whose semantic the entry point declares
// min10float (a parameter, its return value, or a member of a structure they
// name) are given FLOAT_2_8.
void MarkTenBitFloatElements(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                             StageSignatures* signatures);

} // namespace d3dcompiler_standin
