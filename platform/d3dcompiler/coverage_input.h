// A pixel shader's SV_Coverage input, which glslang drops: the source names
// it with a semantic of its own (kCoverageInputSemantic) so that glslang
// keeps it as an input, and the SPIR-V then reads it from the SampleMask
// built-in, the mask of the samples the pixel covers.
#pragma once

#include "hlsl_tokens.h"

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

inline constexpr const char* kCoverageInputSemantic = "STANDIN_SV_COVERAGE";

// Renames SV_Coverage on the entry point's parameters that are not `out`.
void RenameCoverageInputs(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                          std::vector<TextEdit>* edits);

// Makes each input with kCoverageInputSemantic the SampleMask built-in, an
// array of one 32-bit integer, and reads its element where it was loaded.
void ReadCoverageInputs(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
