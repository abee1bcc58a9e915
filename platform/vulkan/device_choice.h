// Which Vulkan device and queue family to draw with. Plain Vulkan with no
// state of the stand-in, so that the plain-Vulkan reference benchmark picks
// its device by the same rule and both draw on the same device.
#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>
#include <vector>

namespace vk_core {

// The first queue family that can draw.
inline bool GraphicsQueueFamily(VkPhysicalDevice physicalDevice, uint32_t* family) {
    uint32_t count = 0;
    vkGetPhysicalDeviceQueueFamilyProperties(physicalDevice, &count, nullptr);
    std::vector<VkQueueFamilyProperties> families(count);
    vkGetPhysicalDeviceQueueFamilyProperties(physicalDevice, &count, families.data());
    for (uint32_t i = 0; i < count; ++i) {
        if ((families[i].queueFlags & VK_QUEUE_GRAPHICS_BIT) != 0) {
            *family = i;
            return true;
        }
    }
    return false;
}

// Discrete GPUs first, then integrated, then anything else (a CPU device).
inline int DeviceRank(VkPhysicalDeviceType type) {
    switch (type) {
    case VK_PHYSICAL_DEVICE_TYPE_DISCRETE_GPU:
        return 3;
    case VK_PHYSICAL_DEVICE_TYPE_INTEGRATED_GPU:
        return 2;
    case VK_PHYSICAL_DEVICE_TYPE_VIRTUAL_GPU:
        return 1;
    default:
        return 0;
    }
}

} // namespace vk_core
