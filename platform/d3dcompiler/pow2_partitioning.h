// [partitioning("pow2")], which glslang refuses and Vulkan lacks: the hull
// shader is compiled with integer partitioning and its tessellation factors
// are rounded up to powers of two as they are written, which integer spacing
// then keeps. The attribute is found in the preprocessed source, so that its
// argument may come through a macro, one of the caller's or a function-like
// macro's argument as well as the file's own.
#pragma once

#include "hlsl_tokens.h"

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether the hull shader `entry` declares [partitioning("pow2")], in any
// case, in `tokens`, those of the preprocessed source.
bool PartitionsByPowersOfTwo(const std::vector<HlslToken>& tokens, const std::string& entry);

// Whether `text` spells "pow2" with its quotes, in any case: the cheap test in
// front of the others.
bool SpellsPow2(const std::string& text);

// `text` with each "pow2" string, in any case, written "integer": for the
// files glslang compiles and the caller's macros, once the entry point is
// known to partition by powers of two (the only use of such a string a
// hull shader's value depends on).
std::string WithPow2ReadAsInteger(std::string text);

// Rewrites each store of a float into SV_TessFactor or SV_InsideTessFactor
// (TessLevelOuter, TessLevelInner) to store the factor clamped to [1, 64]
// and rounded up to a power of two; a factor of 0 or less, or NaN, is kept,
// so that it still culls the patch. Leaves a module it cannot read as it is.
void RoundTessFactorsToPowersOfTwo(std::vector<uint32_t>* spirv);

} // namespace d3dcompiler_standin
