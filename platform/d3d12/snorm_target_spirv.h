// Pixel-shader outputs into SNORM render targets, NaN stored as 0 and
// saturated before the format's conversion.
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

} // namespace d3d12_standin
