// Aggregates flattened into constructors and casts, as Windows' compiler
// takes them and glslang does not: an array or structure variable among a
// vector's or matrix's constructor arguments or cast to one gives its
// members in order (`float4(pair)` is `float4(pair.a, pair.b)`), and a
// vector cast to a structure of scalars and vectors fills it component by
// component (`(Pair)v` is `Pair(v.xy, v.zw)`).
#pragma once

#include "hlsl_tokens.h"

#include <vector>

namespace d3dcompiler_standin {

// Adds the rewrites of `tokens` (the main source, before glslang) to `edits`.
// Only operands that are a variable's name are rewritten: other expressions'
// types are not known here.
void FlattenAggregateOperands(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
