// SV_InstanceID as Direct3D numbers it, in a vertex shader compiled for Vulkan.
#pragma once

#include <cstdint>
#include <vector>

namespace dxbc {

// Direct3D counts SV_InstanceID from 0 in every draw; Vulkan's InstanceIndex
// counts from the draw's first instance. The module with every load of
// InstanceIndex followed by a subtraction of BaseInstance (the DrawParameters
// capability), so that a draw whose first instance is read from a buffer
// numbers its instances as Direct3D does. Unchanged when the module reads no
// InstanceIndex; empty when it is malformed.
std::vector<uint32_t> WithInstanceIndexFromZero(const std::vector<uint32_t>& spirv);

} // namespace dxbc
