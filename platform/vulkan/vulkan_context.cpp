#include "vulkan_context.h"

#include "device_choice.h"
#include "validation_messenger.h"
#include "vulkan_check.h"

#include <sys/mman.h>

#include <cstring>
#include <vector>

namespace vk_core {
namespace {

bool HasExtension(const std::vector<VkExtensionProperties>& extensions, const char* name) {
    for (const VkExtensionProperties& extension : extensions) {
        if (std::strcmp(extension.extensionName, name) == 0) {
            return true;
        }
    }
    return false;
}

std::vector<VkExtensionProperties> InstanceExtensions() {
    uint32_t count = 0;
    vkEnumerateInstanceExtensionProperties(nullptr, &count, nullptr);
    std::vector<VkExtensionProperties> extensions(count);
    vkEnumerateInstanceExtensionProperties(nullptr, &count, extensions.data());
    extensions.resize(count);
    return extensions;
}

std::vector<VkExtensionProperties> DeviceExtensions(VkPhysicalDevice physicalDevice) {
    uint32_t count = 0;
    vkEnumerateDeviceExtensionProperties(physicalDevice, nullptr, &count, nullptr);
    std::vector<VkExtensionProperties> extensions(count);
    vkEnumerateDeviceExtensionProperties(physicalDevice, nullptr, &count, extensions.data());
    extensions.resize(count);
    return extensions;
}

// Mesa's lavapipe does not fail vkCreateDevice cleanly when the address
// space runs out while it sets up (its threads, its shader compiler): under
// `ulimit -v` it frees twice or follows a null pointer. Whether this much is
// still free is asked first. Measured on the debug build: Mesa 22 grows the
// address space by about 440 MB in the call and crashed with up to 167 MB
// left; Mesa 25 crashed with a limit of 600,000 kB, some 430 MB left.
constexpr size_t kDeviceCreationHeadroom = size_t(512) << 20;

// The loader maps the drivers at the first instance call, and lavapipe's own
// initialisers crash when the space runs out part way (Mesa 22: the address
// space grows by about 212 MB in the call; with 195 MB left it crashed, with
// 170 MB the mapping failed cleanly).
constexpr size_t kDriverLoadHeadroom = size_t(320) << 20;

bool AddressSpaceLeft(size_t bytes) {
    void* probe =
        mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (probe == MAP_FAILED) {
        return false;
    }
    munmap(probe, bytes);
    return true;
}

} // namespace

std::shared_ptr<VulkanContext> VulkanContext::Create(std::string* error) {
    std::shared_ptr<VulkanContext> context(new VulkanContext);
    if (!context->CreateInstance(error) || !context->ChoosePhysicalDevice(error) ||
        !context->CreateDevice(error)) {
        return nullptr;
    }
    return context;
}

VulkanContext::~VulkanContext() {
    if (lost) {
        return; // the driver's threads may still run the work that never finished
    }
    if (device != VK_NULL_HANDLE) {
        vkDeviceWaitIdle(device);
        vkDestroyDevice(device, nullptr);
    }
    if (instance != VK_NULL_HANDLE) {
        DestroyValidationMessenger(instance, messenger_);
        vkDestroyInstance(instance, nullptr);
    }
}

bool VulkanContext::CreateInstance(std::string* error) {
    if (!AddressSpaceLeft(kDriverLoadHeadroom)) {
        *error = "too little address space left to load the Vulkan driver";
        return false;
    }
    std::vector<VkExtensionProperties> available = InstanceExtensions();
    std::vector<const char*> extensions;
    bool surfaces = HasExtension(available, VK_KHR_SURFACE_EXTENSION_NAME) &&
                    HasExtension(available, "VK_KHR_xcb_surface");
    if (surfaces) {
        extensions.push_back(VK_KHR_SURFACE_EXTENSION_NAME);
        extensions.push_back("VK_KHR_xcb_surface");
    }
    bool validation =
        ValidationRequested() && HasExtension(available, VK_EXT_DEBUG_UTILS_EXTENSION_NAME);
    if (validation) {
        extensions.push_back(VK_EXT_DEBUG_UTILS_EXTENSION_NAME);
    }

    VkApplicationInfo application{};
    application.sType = VK_STRUCTURE_TYPE_APPLICATION_INFO;
    application.pApplicationName = "d3d12-standin";
    application.apiVersion = VK_API_VERSION_1_3;

    VkDebugUtilsMessengerCreateInfoEXT messengerInfo = ValidationMessengerInfo();
    VkInstanceCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO;
    info.pNext = validation ? &messengerInfo : nullptr;
    info.pApplicationInfo = &application;
    info.enabledExtensionCount = uint32_t(extensions.size());
    info.ppEnabledExtensionNames = extensions.data();
    VkResult result = vkCreateInstance(&info, nullptr, &instance);
    if (result != VK_SUCCESS) {
        instance = VK_NULL_HANDLE;
        *error = std::string("vkCreateInstance failed: ") + ResultName(result);
        return false;
    }
    if (validation) {
        messenger_ = CreateValidationMessenger(instance);
    }
    features.presentation = surfaces;
    return true;
}

bool VulkanContext::ChoosePhysicalDevice(std::string* error) {
    uint32_t count = 0;
    vkEnumeratePhysicalDevices(instance, &count, nullptr);
    std::vector<VkPhysicalDevice> devices(count);
    vkEnumeratePhysicalDevices(instance, &count, devices.data());
    int bestRank = -1;
    for (VkPhysicalDevice candidate : devices) {
        VkPhysicalDeviceProperties candidateProperties;
        vkGetPhysicalDeviceProperties(candidate, &candidateProperties);
        uint32_t family = 0;
        if (candidateProperties.apiVersion < VK_API_VERSION_1_3 ||
            !GraphicsQueueFamily(candidate, &family)) {
            continue;
        }
        int rank = DeviceRank(candidateProperties.deviceType);
        if (rank > bestRank) {
            bestRank = rank;
            physicalDevice = candidate;
            properties = candidateProperties;
            queueFamilyIndex = family;
        }
    }
    if (physicalDevice == VK_NULL_HANDLE) {
        *error = "no Vulkan 1.3 device with a graphics queue";
        return false;
    }
    vkGetPhysicalDeviceMemoryProperties(physicalDevice, &memoryProperties);
    return true;
}

namespace {

void EnableUnorderedAccess(const VkPhysicalDeviceFeatures& supported,
                           VkPhysicalDeviceFeatures* enabled, VulkanFeatures* features) {
    enabled->vertexPipelineStoresAndAtomics = supported.vertexPipelineStoresAndAtomics;
    enabled->fragmentStoresAndAtomics = supported.fragmentStoresAndAtomics;
    enabled->shaderStorageImageWriteWithoutFormat = supported.shaderStorageImageWriteWithoutFormat;
    enabled->shaderStorageImageReadWithoutFormat = supported.shaderStorageImageReadWithoutFormat;
    features->unorderedAccess = supported.vertexPipelineStoresAndAtomics == VK_TRUE &&
                                supported.fragmentStoresAndAtomics == VK_TRUE &&
                                supported.shaderStorageImageWriteWithoutFormat == VK_TRUE;
    features->storageReadWithoutFormat =
        features->unorderedAccess && supported.shaderStorageImageReadWithoutFormat == VK_TRUE;
}

// The Vulkan 1.0 features the stand-in uses where the device has them.
void EnableCoreFeatures(const VkPhysicalDeviceFeatures& supported,
                        VkPhysicalDeviceFeatures* enabled, VulkanFeatures* features) {
    features->depthClamp = supported.depthClamp == VK_TRUE;
    features->independentBlend = supported.independentBlend == VK_TRUE;
    enabled->depthClamp = supported.depthClamp;
    enabled->independentBlend = supported.independentBlend;
    features->multiViewport = supported.multiViewport == VK_TRUE;
    enabled->multiViewport = supported.multiViewport;
    // Pixel shaders that read SV_SampleIndex run once per sample.
    enabled->sampleRateShading = supported.sampleRateShading;
    // TEXTURECUBEARRAY views.
    enabled->imageCubeArray = supported.imageCubeArray;
    // Geometry shaders; pixel shaders that read SV_PrimitiveID declare
    // SPIR-V's Geometry capability too.
    features->geometryShader = supported.geometryShader == VK_TRUE;
    enabled->geometryShader = supported.geometryShader;
    // Hull and domain shaders.
    features->tessellationShader = supported.tessellationShader == VK_TRUE;
    enabled->tessellationShader = supported.tessellationShader;
    // SV_ClipDistance and SV_CullDistance written by the stage before the rasteriser.
    enabled->shaderClipDistance = supported.shaderClipDistance;
    enabled->shaderCullDistance = supported.shaderCullDistance;
    // Gathers with a computed offset or four offsets (shader model 5.0's gather4_po).
    enabled->shaderImageGatherExtended = supported.shaderImageGatherExtended;
    // double arithmetic, which shader model 5.0 has.
    features->shaderFloat64 = supported.shaderFloat64 == VK_TRUE;
    enabled->shaderFloat64 = supported.shaderFloat64;
    EnableUnorderedAccess(supported, enabled, features);
    // Occlusion queries that count samples rather than say whether any passed.
    features->occlusionQueryPrecise = supported.occlusionQueryPrecise == VK_TRUE;
    enabled->occlusionQueryPrecise = supported.occlusionQueryPrecise;
    features->multiDrawIndirect = supported.multiDrawIndirect == VK_TRUE;
    enabled->multiDrawIndirect = supported.multiDrawIndirect;
    // An indirect draw's StartInstanceLocation.
    enabled->drawIndirectFirstInstance = supported.drawIndirectFirstInstance;
}

// The Vulkan 1.2 features besides timeline semaphores, and the extension a
// vertex shader's viewport index and layer need.
void EnableVulkan12Features(const VkPhysicalDeviceVulkan12Features& supported,
                            const std::vector<VkExtensionProperties>& available,
                            VkPhysicalDeviceVulkan12Features* enabled, VulkanFeatures* features,
                            std::vector<const char*>* extensions) {
    features->scalarBlockLayout = supported.scalarBlockLayout == VK_TRUE;
    enabled->scalarBlockLayout = supported.scalarBlockLayout;
    // glslang declares a vertex shader's viewport index and layer through
    // this extension's capability, which the Vulkan 1.2 features alone do not allow.
    const bool indexAndLayer =
        HasExtension(available, VK_EXT_SHADER_VIEWPORT_INDEX_LAYER_EXTENSION_NAME);
    if (indexAndLayer) {
        extensions->push_back(VK_EXT_SHADER_VIEWPORT_INDEX_LAYER_EXTENSION_NAME);
    }
    features->viewportIndexFromVertexShader =
        indexAndLayer && supported.shaderOutputViewportIndex == VK_TRUE;
    features->layerFromVertexShader = indexAndLayer && supported.shaderOutputLayer == VK_TRUE;
    enabled->shaderOutputViewportIndex = supported.shaderOutputViewportIndex;
    enabled->shaderOutputLayer = supported.shaderOutputLayer;
    features->drawIndirectCount = supported.drawIndirectCount == VK_TRUE;
    enabled->drawIndirectCount = supported.drawIndirectCount;
    // Samplers' MIRROR_ONCE address mode and minimum and maximum filters.
    enabled->samplerMirrorClampToEdge = supported.samplerMirrorClampToEdge;
    enabled->samplerFilterMinmax = supported.samplerFilterMinmax;
}

// What the device offers, asked in one call; the caller keeps the chain.
struct SupportedFeatures {
    VkPhysicalDeviceFeatures2 core{VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_FEATURES_2, nullptr, {}};
    VkPhysicalDeviceVulkan11Features vulkan11{};
    VkPhysicalDeviceVulkan12Features vulkan12{};
    VkPhysicalDeviceRobustness2FeaturesEXT robustness{};
    VkPhysicalDeviceCustomBorderColorFeaturesEXT customBorder{};
    VkPhysicalDeviceTransformFeedbackFeaturesEXT transformFeedback{};
    bool hasRobustness = false;
    bool hasCustomBorder = false;
    bool hasTransformFeedback = false;
};

void QuerySupportedFeatures(VkPhysicalDevice physicalDevice,
                            const std::vector<VkExtensionProperties>& available,
                            SupportedFeatures* supported) {
    supported->vulkan11.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_1_FEATURES;
    supported->vulkan12.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_2_FEATURES;
    supported->robustness.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_ROBUSTNESS_2_FEATURES_EXT;
    supported->core.pNext = &supported->vulkan11;
    supported->vulkan11.pNext = &supported->vulkan12;
    supported->customBorder.sType =
        VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_CUSTOM_BORDER_COLOR_FEATURES_EXT;
    supported->hasRobustness = HasExtension(available, VK_EXT_ROBUSTNESS_2_EXTENSION_NAME);
    supported->hasCustomBorder = HasExtension(available, VK_EXT_CUSTOM_BORDER_COLOR_EXTENSION_NAME);
    void** next = &supported->vulkan12.pNext;
    if (supported->hasRobustness) {
        *next = &supported->robustness;
        next = &supported->robustness.pNext;
    }
    if (supported->hasCustomBorder) {
        *next = &supported->customBorder;
    }
    supported->transformFeedback.sType =
        VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_TRANSFORM_FEEDBACK_FEATURES_EXT;
    supported->hasTransformFeedback =
        HasExtension(available, VK_EXT_TRANSFORM_FEEDBACK_EXTENSION_NAME);
    if (supported->hasTransformFeedback) {
        supported->transformFeedback.pNext = supported->core.pNext;
        supported->core.pNext = &supported->transformFeedback;
    }
    vkGetPhysicalDeviceFeatures2(physicalDevice, &supported->core);
}

// The features asked for at device creation, chained; the caller keeps them.
struct EnabledFeatures {
    VkPhysicalDeviceFeatures2 core{VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_FEATURES_2, nullptr, {}};
    VkPhysicalDeviceVulkan11Features vulkan11{};
    VkPhysicalDeviceVulkan12Features vulkan12{};
    VkPhysicalDeviceVulkan13Features vulkan13{};
    VkPhysicalDeviceRobustness2FeaturesEXT robustness{};
    VkPhysicalDeviceCustomBorderColorFeaturesEXT customBorder{};
    VkPhysicalDeviceTransformFeedbackFeaturesEXT transformFeedback{};
};

// Stream output, where the device captures vertices into buffers.
void EnableTransformFeedback(const SupportedFeatures& supported, VulkanFeatures* features,
                             std::vector<const char*>* extensions, EnabledFeatures* enabled) {
    features->transformFeedback =
        supported.hasTransformFeedback && supported.transformFeedback.transformFeedback == VK_TRUE;
    if (!features->transformFeedback) {
        return;
    }
    extensions->push_back(VK_EXT_TRANSFORM_FEEDBACK_EXTENSION_NAME);
    enabled->transformFeedback.sType =
        VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_TRANSFORM_FEEDBACK_FEATURES_EXT;
    enabled->transformFeedback.transformFeedback = VK_TRUE;
    enabled->transformFeedback.geometryStreams = supported.transformFeedback.geometryStreams;
    features->geometryStreams = supported.transformFeedback.geometryStreams == VK_TRUE;
    enabled->transformFeedback.pNext = enabled->core.pNext;
    enabled->core.pNext = &enabled->transformFeedback;
}

// Null descriptors, and accesses past a view's bounds that read 0 and write
// nothing, as Direct3D defines them for every buffer and texture; without
// robustBufferAccess2 and robustImageAccess2 such accesses are undefined in
// Vulkan. Whether the extension is needed.
bool EnableRobustness(const SupportedFeatures& supported, VulkanFeatures* features,
                      EnabledFeatures* enabled) {
    enabled->robustness.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_ROBUSTNESS_2_FEATURES_EXT;
    if (!supported.hasRobustness) {
        return false;
    }
    features->nullDescriptor = supported.robustness.nullDescriptor == VK_TRUE;
    enabled->robustness.nullDescriptor = supported.robustness.nullDescriptor;
    // robustBufferAccess2 is valid only with robustBufferAccess.
    const bool buffers = supported.robustness.robustBufferAccess2 == VK_TRUE &&
                         supported.core.features.robustBufferAccess == VK_TRUE;
    enabled->robustness.robustBufferAccess2 = buffers ? VK_TRUE : VK_FALSE;
    enabled->core.features.robustBufferAccess = buffers ? VK_TRUE : VK_FALSE;
    enabled->robustness.robustImageAccess2 = supported.robustness.robustImageAccess2;
    return features->nullDescriptor || buffers ||
           supported.robustness.robustImageAccess2 == VK_TRUE;
}

// What the stand-in needs, and what it uses where the device has it.
void ChooseFeatures(const SupportedFeatures& supported,
                    const std::vector<VkExtensionProperties>& available, VulkanFeatures* features,
                    std::vector<const char*>* extensions, EnabledFeatures* enabled) {
    const bool robustness = EnableRobustness(supported, features, enabled);
    if (robustness) {
        extensions->push_back(VK_EXT_ROBUSTNESS_2_EXTENSION_NAME);
    }
    enabled->vulkan12.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_2_FEATURES;
    enabled->vulkan12.timelineSemaphore = VK_TRUE;
    EnableVulkan12Features(supported.vulkan12, available, &enabled->vulkan12, features, extensions);
    enabled->vulkan12.pNext = robustness ? &enabled->robustness : nullptr;
    // A heap sampler's border colour other than Vulkan's three fixed ones.
    features->customBorderColor = supported.hasCustomBorder &&
                                  supported.customBorder.customBorderColors == VK_TRUE &&
                                  supported.customBorder.customBorderColorWithoutFormat == VK_TRUE;
    if (features->customBorderColor) {
        extensions->push_back(VK_EXT_CUSTOM_BORDER_COLOR_EXTENSION_NAME);
        enabled->customBorder.sType =
            VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_CUSTOM_BORDER_COLOR_FEATURES_EXT;
        enabled->customBorder.customBorderColors = VK_TRUE;
        enabled->customBorder.customBorderColorWithoutFormat = VK_TRUE;
        enabled->customBorder.pNext = enabled->vulkan12.pNext;
        enabled->vulkan12.pNext = &enabled->customBorder;
    }
    enabled->vulkan13.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_3_FEATURES;
    enabled->vulkan13.dynamicRendering = VK_TRUE;
    enabled->vulkan13.synchronization2 = VK_TRUE;
    enabled->vulkan13.pNext = &enabled->vulkan12;
    enabled->vulkan11.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_1_FEATURES;
    features->drawParameters = supported.vulkan11.shaderDrawParameters == VK_TRUE;
    enabled->vulkan11.shaderDrawParameters = supported.vulkan11.shaderDrawParameters;
    enabled->vulkan11.pNext = &enabled->vulkan13;
    enabled->core.pNext = &enabled->vulkan11;
    EnableCoreFeatures(supported.core.features, &enabled->core.features, features);
}

} // namespace

bool VulkanContext::CreateDevice(std::string* error) {
    std::vector<VkExtensionProperties> available = DeviceExtensions(physicalDevice);
    std::vector<const char*> extensions;
    features.presentation =
        features.presentation && HasExtension(available, VK_KHR_SWAPCHAIN_EXTENSION_NAME);
    if (features.presentation) {
        extensions.push_back(VK_KHR_SWAPCHAIN_EXTENSION_NAME);
    }

    SupportedFeatures supported;
    QuerySupportedFeatures(physicalDevice, available, &supported);

    EnabledFeatures enabled;
    ChooseFeatures(supported, available, &features, &extensions, &enabled);
    EnableTransformFeedback(supported, &features, &extensions, &enabled);

    float priority = 1.0f;
    VkDeviceQueueCreateInfo queueInfo{};
    queueInfo.sType = VK_STRUCTURE_TYPE_DEVICE_QUEUE_CREATE_INFO;
    queueInfo.queueFamilyIndex = queueFamilyIndex;
    queueInfo.queueCount = 1;
    queueInfo.pQueuePriorities = &priority;

    VkDeviceCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_DEVICE_CREATE_INFO;
    info.pNext = &enabled.core;
    info.queueCreateInfoCount = 1;
    info.pQueueCreateInfos = &queueInfo;
    info.enabledExtensionCount = uint32_t(extensions.size());
    info.ppEnabledExtensionNames = extensions.data();
    if (!AddressSpaceLeft(kDeviceCreationHeadroom)) {
        *error = "too little address space left to create the device";
        return false;
    }
    VkResult result = vkCreateDevice(physicalDevice, &info, nullptr, &device);
    if (result != VK_SUCCESS) {
        device = VK_NULL_HANDLE;
        *error = std::string("vkCreateDevice failed: ") + ResultName(result);
        return false;
    }
    vkGetDeviceQueue(device, queueFamilyIndex, 0, &queue);
    if (features.transformFeedback) {
        commands.bindTransformFeedbackBuffers =
            reinterpret_cast<PFN_vkCmdBindTransformFeedbackBuffersEXT>(
                vkGetDeviceProcAddr(device, "vkCmdBindTransformFeedbackBuffersEXT"));
        commands.beginTransformFeedback = reinterpret_cast<PFN_vkCmdBeginTransformFeedbackEXT>(
            vkGetDeviceProcAddr(device, "vkCmdBeginTransformFeedbackEXT"));
        commands.endTransformFeedback = reinterpret_cast<PFN_vkCmdEndTransformFeedbackEXT>(
            vkGetDeviceProcAddr(device, "vkCmdEndTransformFeedbackEXT"));
        features.transformFeedback = commands.bindTransformFeedbackBuffers != nullptr &&
                                     commands.beginTransformFeedback != nullptr &&
                                     commands.endTransformFeedback != nullptr;
    }
    return true;
}

} // namespace vk_core
