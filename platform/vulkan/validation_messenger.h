// Messages of the Khronos validation layer: printed on standard error and
// counted, so that tests can fail on any of them.
#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>

namespace vk_core {

// True when the environment asks the loader for VK_LAYER_KHRONOS_validation.
bool ValidationRequested();

// Chained into VkInstanceCreateInfo so that instance creation is covered too.
VkDebugUtilsMessengerCreateInfoEXT ValidationMessengerInfo();

VkDebugUtilsMessengerEXT CreateValidationMessenger(VkInstance instance);
void DestroyValidationMessenger(VkInstance instance, VkDebugUtilsMessengerEXT messenger);

// Validation messages reported so far in this process.
uint64_t ValidationMessageCount();

} // namespace vk_core
