// asuint(double, out uint, out uint) of a NaN, whose bits no double
// arithmetic reads: the source gives each half as asuint((float)d) ^ marker,
// a form glslang compiles, and the SPIR-V repair reads that form as the half
// of d's bits it names.
#pragma once

#include <cstdint>

namespace d3dcompiler_standin {

constexpr uint32_t kAsuintDoubleLowMarker = 0x5A17D0B1;
constexpr uint32_t kAsuintDoubleHighMarker = 0x5A17D0B3;

} // namespace d3dcompiler_standin
