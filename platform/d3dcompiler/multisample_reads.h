// `scene.sample[s][location]` reads sample s of a multisampled texture, as
// `scene.Load(location, s)` does; glslang has no such operator, so the
// source is rewritten before it.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits that write each such read of a Texture2DMS or
// Texture2DMSArray declared in `source` as a Load.
void RewriteSampleOperators(const std::string& source, const std::vector<HlslToken>& tokens,
                            std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
