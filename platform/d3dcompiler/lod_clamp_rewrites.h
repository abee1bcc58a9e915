// The overloads of Sample, SampleBias and SampleGrad with a level-of-detail
// clamp (the tiled-resource forms, "Sample(S, Location[, Offset], Clamp[,
// Status])"), which glslang lacks (X3013). Such a call samples at the level
// its derivatives give, raised to the clamp:
// t.SampleLevel(s, uv, max(t.CalculateLevelOfDetailUnclamped(s, uv) + bias,
// clamp), offset), on array textures at the level of the coordinate without
// its slice, and for SampleGrad at the level its gradients give in texels
// (log2 of the longer, computed by a helper written after the texture's
// global declaration); a status is given 0 first, as tiled_status_rewrites.h
// does. (learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-sample-s-float-int-float-:
// "Clamp: An optional value to clamp sample LOD values to")
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (one file, before glslang) to `edits`.
void RewriteLodClamps(const std::string& source, const std::vector<HlslToken>& tokens,
                      std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
