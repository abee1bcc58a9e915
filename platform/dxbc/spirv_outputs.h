// Fragment outputs that no attachment receives, taken out of a SPIR-V module.
#pragma once

#include <cstdint>
#include <vector>

namespace dxbc {

// The module with every Output variable decorated with a Location outside
// `keptLocations` (bit n: location n; arrays count every location they cover)
// turned into a Private variable of the same type, so that its stores go
// nowhere and no attachment slot is asked for it. Empty for a malformed module.
std::vector<uint32_t> WithoutOutputLocations(const std::vector<uint32_t>& spirv,
                                             uint32_t keptLocations);

} // namespace dxbc
