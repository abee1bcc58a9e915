// Bool values passed between stages or to render targets ("bool lit :
// COLOR", "bool PSMain() : SV_Target"): Windows' signatures carry them as
// 32-bit unsigned integers, 0 or 1; glslang declares SPIR-V bool inputs and
// outputs, which Vulkan does not have. They are declared uint instead.
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void DeclareBoolVaryingsAsUint(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
