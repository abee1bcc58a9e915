// Calls of resource and sampler objects' methods that no overload takes:
// more or fewer arguments than the method's overloads have (Append(1, 2),
// Consume(1), a StructuredBuffer's GetDimensions(count)), and a sampling
// method given something other than the sampler kind it takes (a texture, or
// a SamplerState where SampleCmp wants a SamplerComparisonState). Windows'
// compiler finds no matching overload (X3013); glslang took some of them,
// crashed on others (ByteAddressBuffer.Load()) and worded the rest its own way.
// An Interlocked intrinsic aimed at an element of a read-only object is X3025,
// as an assignment to that element is (glslang compiled it).
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Appends one "file(line,first-last): error X....: ..." line per call to `errors`.
void CheckResourceCalls(const std::vector<HlslToken>& tokens, std::string* errors);

} // namespace d3dcompiler_standin
