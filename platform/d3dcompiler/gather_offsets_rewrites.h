// Gather offsets as Direct3D reads them, on a Texture2D or Texture2DArray.
// A computed offset (gather4_po's register operand) keeps its six low bits as
// a signed value, -32 to 31, where Vulkan leaves an offset past its limits
// undefined: it is wrapped so. The overloads with four offsets
// (t.GatherRed(s, uv, o1, o2, o3, o4)) take component i from the gather at
// offset i, its i-th texel ((u0,v1), (u1,v1), (u1,v0), (u0,v0)), where SPIR-V's
// ConstOffsets takes the (u0,v0) texel of each offset's footprint and only
// constants: each such call becomes four gathers of one offset each, whose
// components a helper picks, which sets a status argument to 0 as the other
// status overloads' are set (tiled_status_rewrites.h).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteGatherOffsets(const std::string& source, const std::vector<HlslToken>& tokens,
                          std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
