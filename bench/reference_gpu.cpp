#include "reference_gpu.h"

// The stand-in's rule for the device, so that both draw on the same one.
#include "../platform/vulkan/device_choice.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace bench {
namespace {

uint32_t MemoryType(const Gpu& gpu, uint32_t allowed, VkMemoryPropertyFlags wanted) {
    for (uint32_t i = 0; i < gpu.memory.memoryTypeCount; ++i) {
        if ((allowed & (1u << i)) != 0 &&
            (gpu.memory.memoryTypes[i].propertyFlags & wanted) == wanted) {
            return i;
        }
    }
    std::fprintf(stderr, "reference: no memory type with flags 0x%x\n", unsigned(wanted));
    std::exit(1);
}

VkDeviceMemory Allocate(const Gpu& gpu, const VkMemoryRequirements& requirements,
                        VkMemoryPropertyFlags wanted) {
    auto info = Described<VkMemoryAllocateInfo>(VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO);
    info.allocationSize = requirements.size;
    info.memoryTypeIndex = MemoryType(gpu, requirements.memoryTypeBits, wanted);
    VkDeviceMemory memory = VK_NULL_HANDLE;
    REFERENCE_CHECK(vkAllocateMemory(gpu.device, &info, nullptr, &memory));
    return memory;
}

} // namespace

void CheckResult(VkResult result, const char* call, const char* file, int line) {
    if (result != VK_SUCCESS) {
        std::fprintf(stderr, "reference: %s failed with VkResult %d (%s:%d)\n", call, int(result),
                     file, line);
        std::exit(1);
    }
}

bool CreateGpu(Gpu* gpu, std::string* error) {
    auto application = Described<VkApplicationInfo>(VK_STRUCTURE_TYPE_APPLICATION_INFO);
    application.pApplicationName = "reference_vulkan";
    application.apiVersion = VK_API_VERSION_1_3;
    auto instanceInfo = Described<VkInstanceCreateInfo>(VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO);
    instanceInfo.pApplicationInfo = &application;
    if (vkCreateInstance(&instanceInfo, nullptr, &gpu->instance) != VK_SUCCESS) {
        *error = "vkCreateInstance failed";
        return false;
    }

    uint32_t count = 0;
    vkEnumeratePhysicalDevices(gpu->instance, &count, nullptr);
    std::vector<VkPhysicalDevice> devices(count);
    vkEnumeratePhysicalDevices(gpu->instance, &count, devices.data());
    int bestRank = -1;
    for (VkPhysicalDevice candidate : devices) {
        VkPhysicalDeviceProperties properties;
        vkGetPhysicalDeviceProperties(candidate, &properties);
        uint32_t family = 0;
        if (properties.apiVersion < VK_API_VERSION_1_3 ||
            !vk_core::GraphicsQueueFamily(candidate, &family)) {
            continue;
        }
        if (vk_core::DeviceRank(properties.deviceType) > bestRank) {
            bestRank = vk_core::DeviceRank(properties.deviceType);
            gpu->physicalDevice = candidate;
            gpu->properties = properties;
            gpu->queueFamily = family;
        }
    }
    if (gpu->physicalDevice == VK_NULL_HANDLE) {
        *error = "no Vulkan 1.3 device with a graphics queue";
        return false;
    }
    vkGetPhysicalDeviceMemoryProperties(gpu->physicalDevice, &gpu->memory);

    float priority = 1.0f;
    auto queueInfo = Described<VkDeviceQueueCreateInfo>(VK_STRUCTURE_TYPE_DEVICE_QUEUE_CREATE_INFO);
    queueInfo.queueFamilyIndex = gpu->queueFamily;
    queueInfo.queueCount = 1;
    queueInfo.pQueuePriorities = &priority;
    auto features13 = Described<VkPhysicalDeviceVulkan13Features>(
        VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_3_FEATURES);
    features13.dynamicRendering = VK_TRUE;
    features13.synchronization2 = VK_TRUE;
    auto deviceInfo = Described<VkDeviceCreateInfo>(VK_STRUCTURE_TYPE_DEVICE_CREATE_INFO);
    deviceInfo.pNext = &features13;
    deviceInfo.queueCreateInfoCount = 1;
    deviceInfo.pQueueCreateInfos = &queueInfo;
    if (vkCreateDevice(gpu->physicalDevice, &deviceInfo, nullptr, &gpu->device) != VK_SUCCESS) {
        *error = "vkCreateDevice failed";
        return false;
    }
    vkGetDeviceQueue(gpu->device, gpu->queueFamily, 0, &gpu->queue);
    return true;
}

void DestroyGpu(Gpu* gpu) {
    if (gpu->device != VK_NULL_HANDLE) {
        vkDestroyDevice(gpu->device, nullptr);
        gpu->device = VK_NULL_HANDLE;
    }
    // The first instance stays for the life of the process, as the stand-in
    // keeps its own: destroying it unloads the driver, and lavapipe leaks a
    // few bytes on every unload, which the sanitizer builds report.
    static VkInstance kept = VK_NULL_HANDLE;
    if (gpu->instance != VK_NULL_HANDLE) {
        if (kept == VK_NULL_HANDLE) {
            kept = gpu->instance;
        } else {
            vkDestroyInstance(gpu->instance, nullptr);
        }
        gpu->instance = VK_NULL_HANDLE;
    }
}

HostBuffer CreateHostBuffer(const Gpu& gpu, VkDeviceSize size, VkBufferUsageFlags usage) {
    HostBuffer out;
    auto info = Described<VkBufferCreateInfo>(VK_STRUCTURE_TYPE_BUFFER_CREATE_INFO);
    info.size = size;
    info.usage = usage;
    REFERENCE_CHECK(vkCreateBuffer(gpu.device, &info, nullptr, &out.buffer));
    VkMemoryRequirements requirements;
    vkGetBufferMemoryRequirements(gpu.device, out.buffer, &requirements);
    out.memory =
        Allocate(gpu, requirements,
                 VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT);
    REFERENCE_CHECK(vkBindBufferMemory(gpu.device, out.buffer, out.memory, 0));
    REFERENCE_CHECK(vkMapMemory(gpu.device, out.memory, 0, VK_WHOLE_SIZE, 0, &out.mapped));
    return out;
}

void DestroyHostBuffer(const Gpu& gpu, HostBuffer* buffer) {
    vkDestroyBuffer(gpu.device, buffer->buffer, nullptr);
    vkFreeMemory(gpu.device, buffer->memory, nullptr);
    *buffer = HostBuffer{};
}

Image CreateImage(const Gpu& gpu, uint32_t width, uint32_t height, VkFormat format,
                  VkImageUsageFlags usage, VkImageAspectFlags aspect) {
    Image out;
    auto info = Described<VkImageCreateInfo>(VK_STRUCTURE_TYPE_IMAGE_CREATE_INFO);
    info.imageType = VK_IMAGE_TYPE_2D;
    info.format = format;
    info.extent = {width, height, 1};
    info.mipLevels = 1;
    info.arrayLayers = 1;
    info.samples = VK_SAMPLE_COUNT_1_BIT;
    info.tiling = VK_IMAGE_TILING_OPTIMAL;
    info.usage = usage;
    info.initialLayout = VK_IMAGE_LAYOUT_UNDEFINED;
    REFERENCE_CHECK(vkCreateImage(gpu.device, &info, nullptr, &out.image));
    VkMemoryRequirements requirements;
    vkGetImageMemoryRequirements(gpu.device, out.image, &requirements);
    out.memory = Allocate(gpu, requirements, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT);
    REFERENCE_CHECK(vkBindImageMemory(gpu.device, out.image, out.memory, 0));

    auto viewInfo = Described<VkImageViewCreateInfo>(VK_STRUCTURE_TYPE_IMAGE_VIEW_CREATE_INFO);
    viewInfo.image = out.image;
    viewInfo.viewType = VK_IMAGE_VIEW_TYPE_2D;
    viewInfo.format = format;
    viewInfo.subresourceRange = {aspect, 0, 1, 0, 1};
    REFERENCE_CHECK(vkCreateImageView(gpu.device, &viewInfo, nullptr, &out.view));
    return out;
}

void DestroyImage(const Gpu& gpu, Image* image) {
    vkDestroyImageView(gpu.device, image->view, nullptr);
    vkDestroyImage(gpu.device, image->image, nullptr);
    vkFreeMemory(gpu.device, image->memory, nullptr);
    *image = Image{};
}

} // namespace bench
