// SNORM values passed between fixed-function stages and shaders, converted as
// Direct3D converts them where the Vulkan device may not.
#pragma once

#include <cstdint>
#include <vector>

namespace d3d12_standin {

// Direct3D stores a NaN written to an SNORM target as 0 and clamps to [-1, 1]
// before scaling, so that -1 and below are the second-lowest integer (the
// "Data Conversion Rules" page: FLOAT to SNORM). Vulkan leaves NaN undefined,
// and lavapipe stores NaN and 8-bit values below -1 as the lowest integer.
// The pixel shader's module with each float output whose location is set in
// `snormLocations` (bit i: SV_Target i) rewritten at each return of its
// entry: NaN components 0, the others clamped to [-1, 1]; unchanged where
// there is none or the module cannot be read.
std::vector<uint32_t> WithSnormOutputsSaturated(const std::vector<uint32_t>& spirv,
                                                uint32_t snormLocations);

// Direct3D reads both the lowest and the second-lowest SNORM integer as -1
// (the same page: SNORM); lavapipe reads the lowest below -1. The vertex
// shader's module with each whole load of a float input whose location is
// set in `snormLocations` raised to -1 at least; unchanged where there is
// none or the module cannot be read.
std::vector<uint32_t> WithSnormInputsClamped(const std::vector<uint32_t>& spirv,
                                             uint32_t snormLocations);

} // namespace d3d12_standin
