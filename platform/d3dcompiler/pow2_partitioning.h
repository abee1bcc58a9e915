// [partitioning("pow2")], which Vulkan lacks: the hull shader is compiled
// with integer partitioning and its tessellation factors are rounded up to
// powers of two as they are written, which integer spacing then keeps.
#pragma once

#include "hlsl_tokens.h"

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether the hull shader `entry` declares [partitioning("pow2")] in `tokens`,
// those of the source as written (the rewrites for glslang read it "integer").
bool PartitionsByPowersOfTwo(const std::vector<HlslToken>& tokens, const std::string& entry);

// Rewrites each store of a float into SV_TessFactor or SV_InsideTessFactor
// (TessLevelOuter, TessLevelInner) to store the factor clamped to [1, 64]
// and rounded up to a power of two; a factor of 0 or less, or NaN, is kept,
// so that it still culls the patch. Leaves a module it cannot read as it is.
void RoundTessFactorsToPowersOfTwo(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
