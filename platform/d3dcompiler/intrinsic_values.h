// Intrinsics whose value glslang computes otherwise than Windows, or on
// which it crashes, rewritten into calls of definitions that compute
// Windows' value: msad4 (glslang crashes), f32tof16 (Direct3D rounds toward
// zero, keeping finite values finite), sign of floats (an int value),
// reversebits of ints (a uint value), asdouble of uint2 (glslang lacks it),
// min, max, saturate and clamp of doubles (glslang computes them in float),
// asuint of a double (glslang lacks it), and sign, any and
// all of matrices (glslang cannot compile them).
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (a source file before glslang) to `edits`.
void RewriteIntrinsicValues(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
