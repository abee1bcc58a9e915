// HLSL's scalar, vector and matrix type names as written: "float",
// "min16int3", "half2x4". Read by hand rather than by a regular expression:
// the checks and rewrites ask this of every identifier in a source.
#pragma once

#include <string>
#include <string_view>

namespace d3dcompiler_standin {

struct NumericTypeName {
    std::string_view base; // "float", "min16uint", ...
    int size = 0;          // the digit after the base, 0 when none
    int columns = 0;       // the digit after 'x', 0 when none ("float2x3" has 3)
};

// Whether `name` is a scalar base followed by an optional size 1 to 4 and an
// optional "x" with a size 1 to 4; the parts in `*parsed`.
bool ReadNumericTypeName(std::string_view name, NumericTypeName* parsed);

} // namespace d3dcompiler_standin
