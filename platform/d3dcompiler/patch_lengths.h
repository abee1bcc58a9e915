// The Length property of InputPatch and OutputPatch (Microsoft's InputPatch
// page: "The number of control points"), which glslang refuses ("'.' : cannot
// apply to an array"): each `patch.Length` of a patch parameter is its count,
// a uint, within the function that takes it.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits; a source without "Length" pays one string search.
void RewritePatchLengths(const std::string& source, const std::vector<HlslToken>& tokens,
                         std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
