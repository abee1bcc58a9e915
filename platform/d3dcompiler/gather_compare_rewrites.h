// GatherCmp and its colour forms without an offset (t.GatherCmp(s, uv, 0.5)):
// glslang gives OpImageDrefGather a Bias operand that validation refuses
// ("Image Operand Bias can only be used with ImplicitLod opcodes"), while the
// form with an offset compiles. On a Texture2D or Texture2DArray, whose
// overloads take an int2 offset, such a call gets the zero offset, which
// gathers the same texels.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void AddZeroGatherCompareOffsets(const std::string& source, const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
