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

// Components of a scalar or vector type name ("float3": 3, "uint": 1); 0 for
// a matrix or any other name.
int ScalarOrVectorComponents(std::string_view name);

// What an integer or bool scalar base is computed as: "int" (int, min16int,
// min12int), "uint" (uint, dword, min16uint) or "bool"; "" for other bases.
std::string_view IntegerElementOf(std::string_view base);

// "int16_t", "uint64_t2", "float16_t2x3": the 16- and 64-bit scalar, vector
// and matrix types, which shader model 6 brought.
bool IsSixteenOrSixtyFourBitTypeName(std::string_view name);

} // namespace d3dcompiler_standin
