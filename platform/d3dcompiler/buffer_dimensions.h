// GetDimensions of buffers whose size glslang measures in its own layout:
// ByteAddressBuffer's gives the size in bytes, where glslang gives the length
// of the runtime array of words it reads the buffer as, a quarter of that; a
// structured buffer's gives the stride of Direct3D's packing (12 for a float3),
// where glslang gives the std430 stride it laid the element out with (16).
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`:
// each raw buffer's call goes through a helper that scales it, and each
// structured buffer's call that is a statement of its own is followed by the
// stride's assignment.
void ScaleRawBufferDimensions(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);
void PackStructuredBufferStrides(const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
