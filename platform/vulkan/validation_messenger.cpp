#include "validation_messenger.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vk_core {
namespace {

std::atomic<uint64_t> g_validationMessages{0};

VKAPI_ATTR VkBool32 VKAPI_CALL OnValidationMessage(VkDebugUtilsMessageSeverityFlagBitsEXT severity,
                                                   VkDebugUtilsMessageTypeFlagsEXT,
                                                   const VkDebugUtilsMessengerCallbackDataEXT* data,
                                                   void*) {
    ++g_validationMessages;
    const char* level =
        (severity & VK_DEBUG_UTILS_MESSAGE_SEVERITY_ERROR_BIT_EXT) != 0 ? "error" : "warning";
    std::fprintf(stderr, "Vulkan validation %s: %s\n", level,
                 data != nullptr && data->pMessage != nullptr ? data->pMessage : "(no text)");
    return VK_FALSE;
}

} // namespace

bool ValidationRequested() {
    const char* layers = std::getenv("VK_INSTANCE_LAYERS");
    return layers != nullptr && std::strstr(layers, "VK_LAYER_KHRONOS_validation") != nullptr;
}

VkDebugUtilsMessengerCreateInfoEXT ValidationMessengerInfo() {
    VkDebugUtilsMessengerCreateInfoEXT info{};
    info.sType = VK_STRUCTURE_TYPE_DEBUG_UTILS_MESSENGER_CREATE_INFO_EXT;
    info.messageSeverity = VK_DEBUG_UTILS_MESSAGE_SEVERITY_WARNING_BIT_EXT |
                           VK_DEBUG_UTILS_MESSAGE_SEVERITY_ERROR_BIT_EXT;
    info.messageType = VK_DEBUG_UTILS_MESSAGE_TYPE_VALIDATION_BIT_EXT;
    info.pfnUserCallback = OnValidationMessage;
    return info;
}

VkDebugUtilsMessengerEXT CreateValidationMessenger(VkInstance instance) {
    auto create = reinterpret_cast<PFN_vkCreateDebugUtilsMessengerEXT>(
        vkGetInstanceProcAddr(instance, "vkCreateDebugUtilsMessengerEXT"));
    if (create == nullptr) {
        return VK_NULL_HANDLE;
    }
    VkDebugUtilsMessengerCreateInfoEXT info = ValidationMessengerInfo();
    VkDebugUtilsMessengerEXT messenger = VK_NULL_HANDLE;
    if (create(instance, &info, nullptr, &messenger) != VK_SUCCESS) {
        return VK_NULL_HANDLE;
    }
    return messenger;
}

void DestroyValidationMessenger(VkInstance instance, VkDebugUtilsMessengerEXT messenger) {
    if (messenger == VK_NULL_HANDLE) {
        return;
    }
    auto destroy = reinterpret_cast<PFN_vkDestroyDebugUtilsMessengerEXT>(
        vkGetInstanceProcAddr(instance, "vkDestroyDebugUtilsMessengerEXT"));
    if (destroy != nullptr) {
        destroy(instance, messenger, nullptr);
    }
}

uint64_t ValidationMessageCount() {
    return g_validationMessages.load();
}

} // namespace vk_core
