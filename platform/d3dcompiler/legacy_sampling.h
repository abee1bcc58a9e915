// The sampling intrinsics of the first shader models (tex2D(s, uv) on a
// sampler2D and the like), which the Windows compiler still accepts: each such
// sampler stands for a texture in the t register of the sampler's number and a
// sampler state in its s register. glslang's front end does not pair them, so
// the source is rewritten to declare the texture and sample it by method.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether `name` is one of those intrinsics ("tex2Dlod"): its dimension
// ("1D", "2D", "3D", "CUBE") and form ("", "lod", "bias", "proj", "grad").
bool ReadLegacyIntrinsic(const std::string& name, std::string* dimension, std::string* form);

// The edits for every global sampler that the tex1D/tex2D/tex3D/texCUBE
// intrinsics (and their lod, bias, proj and grad forms) read, and for those
// calls; nothing for a sampler read with two dimensions.
void RewriteLegacySampling(const std::string& source, const std::vector<HlslToken>& tokens,
                           std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
