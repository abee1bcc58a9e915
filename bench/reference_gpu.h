// The plain-Vulkan reference's device and the few resource helpers it needs.
#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>
#include <string>

namespace bench {

// Aborts the reference with the call and result named; it has no use for a half-built device.
#define REFERENCE_CHECK(call) ::bench::CheckResult((call), #call, __FILE__, __LINE__)
void CheckResult(VkResult result, const char* call, const char* file, int line);

// A zeroed Vulkan create-info or description structure of the given type.
template <typename T> T Described(VkStructureType type) {
    T value{};
    value.sType = type;
    return value;
}

struct Gpu {
    VkInstance instance = VK_NULL_HANDLE;
    VkPhysicalDevice physicalDevice = VK_NULL_HANDLE;
    VkPhysicalDeviceProperties properties{};
    VkPhysicalDeviceMemoryProperties memory{};
    VkDevice device = VK_NULL_HANDLE;
    VkQueue queue = VK_NULL_HANDLE;
    uint32_t queueFamily = 0;
};

// Vulkan 1.3 with dynamic rendering and synchronization2; a discrete GPU first,
// then an integrated one, then anything else (a CPU device).
bool CreateGpu(Gpu* gpu, std::string* error);
void DestroyGpu(Gpu* gpu);

struct HostBuffer {
    VkBuffer buffer = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
    void* mapped = nullptr;
};

// A host-visible, coherent buffer that stays mapped.
HostBuffer CreateHostBuffer(const Gpu& gpu, VkDeviceSize size, VkBufferUsageFlags usage);
void DestroyHostBuffer(const Gpu& gpu, HostBuffer* buffer);

struct Image {
    VkImage image = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
    VkImageView view = VK_NULL_HANDLE;
};

Image CreateImage(const Gpu& gpu, uint32_t width, uint32_t height, VkFormat format,
                  VkImageUsageFlags usage, VkImageAspectFlags aspect);
void DestroyImage(const Gpu& gpu, Image* image);

} // namespace bench
