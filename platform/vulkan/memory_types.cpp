#include "memory_types.h"

namespace vk_core {

bool FindMemoryType(const VkPhysicalDeviceMemoryProperties& properties, uint32_t typeBits,
                    VkMemoryPropertyFlags required, VkMemoryPropertyFlags preferred,
                    uint32_t* typeIndex) {
    int fallback = -1;
    for (uint32_t i = 0; i < properties.memoryTypeCount; ++i) {
        if ((typeBits & (1u << i)) == 0) {
            continue;
        }
        VkMemoryPropertyFlags flags = properties.memoryTypes[i].propertyFlags;
        if ((flags & required) != required) {
            continue;
        }
        if ((flags & preferred) == preferred) {
            *typeIndex = i;
            return true;
        }
        if (fallback < 0) {
            fallback = int(i);
        }
    }
    if (fallback < 0) {
        return false;
    }
    *typeIndex = uint32_t(fallback);
    return true;
}

} // namespace vk_core
