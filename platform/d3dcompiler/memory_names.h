// The names of memory the threads of a group share and write: UAVs
// ("RWTexture2D<float> image", "AppendStructuredBuffer<uint> list") and
// groupshared variables.
#pragma once

#include "hlsl_tokens.h"

#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

std::set<std::string> UnorderedAccessNames(const std::vector<HlslToken>& tokens);
std::set<std::string> GroupSharedNames(const std::vector<HlslToken>& tokens);

} // namespace d3dcompiler_standin
