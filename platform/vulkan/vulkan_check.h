// The one way a Vulkan result is checked: failures are reported on standard
// error with the call that failed.
#pragma once

#include <vulkan/vulkan.h>

namespace vk_core {

// True on VK_SUCCESS (and the other non-negative codes); otherwise prints
// "<what> failed: <result name>" and returns false.
bool VkSucceeded(VkResult result, const char* what);

// The result's name as the Vulkan headers spell it (VK_ERROR_OUT_OF_DATE_KHR),
// or "VkResult <number>" for a code they do not name.
const char* ResultName(VkResult result);

} // namespace vk_core

#define VK_CHECK(call) ::vk_core::VkSucceeded((call), #call)
