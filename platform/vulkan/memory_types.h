// Choice of a memory type for an allocation.
#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>

namespace vk_core {

// Picks a type allowed by `typeBits` that has every `required` flag, preferring
// one that also has every `preferred` flag. False when none qualifies.
bool FindMemoryType(const VkPhysicalDeviceMemoryProperties& properties, uint32_t typeBits,
                    VkMemoryPropertyFlags required, VkMemoryPropertyFlags preferred,
                    uint32_t* typeIndex);

} // namespace vk_core
