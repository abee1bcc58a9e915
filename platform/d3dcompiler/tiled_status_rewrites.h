// The tiled-resource forms of resource reads that shader model 5.0 has and
// glslang lacks: a last `out uint status` argument of Load, SampleLevel,
// SampleCmpLevelZero and the Gather methods, and CheckAccessFullyMapped,
// which reads such a status (glslang refused the first, X3013, and crashed on
// the second). The Direct3D 12 stand-in makes no reserved resources, so every
// read touches mapped memory: the call is made without the status, which is
// set to 0 first, and CheckAccessFullyMapped is true.
// (learn.microsoft.com/windows/win32/direct3dhlsl/checkaccessfullymapped)
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteTiledStatusReads(const std::string& source, const std::vector<HlslToken>& tokens,
                             std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
