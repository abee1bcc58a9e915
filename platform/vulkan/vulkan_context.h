// One Vulkan instance, physical device and logical device with one graphics
// queue: what a Direct3D 12 device stands on.
#pragma once

#include <vulkan/vulkan.h>

#include <atomic>
#include <memory>
#include <string>

namespace vk_core {

struct VulkanFeatures {
    bool nullDescriptor = false; // VK_EXT_robustness2: unbound views and vertex buffers read 0
    bool depthClamp = false;
    bool independentBlend = false;
    // HLSL packs constants into the padding after arrays and structures,
    // which Vulkan allows only with scalar block layout.
    bool scalarBlockLayout = false;
    bool presentation = false; // VK_KHR_surface, VK_KHR_xcb_surface and VK_KHR_swapchain
    // Unordered access: stores from vertex and fragment shaders, and storage
    // images written without a format in the shader.
    bool unorderedAccess = false;
    // Storage images read without a format in the shader: typed loads of any
    // format.
    bool storageReadWithoutFormat = false;
    // Several viewports, and a vertex shader that picks one and an array
    // layer (SV_ViewportArrayIndex, SV_RenderTargetArrayIndex).
    bool multiViewport = false;
    bool viewportIndexFromVertexShader = false;
    bool layerFromVertexShader = false;
    bool occlusionQueryPrecise = false;
    bool geometryShader = false;
    // double arithmetic in shaders (shader model 5.0's doubles).
    bool shaderFloat64 = false;
    bool tessellationShader = false;
    // ExecuteIndirect: several draws in one call, and a count read from a buffer.
    bool multiDrawIndirect = false;
    bool drawIndirectCount = false;
    // BaseInstance in shaders, which SV_InstanceID is counted from.
    bool drawParameters = false;
    // VK_EXT_custom_border_color, without a format: any float border colour.
    bool customBorderColor = false;
    // VK_EXT_transform_feedback: stream output, and several streams out of
    // a geometry shader where `geometryStreams` is also set.
    bool transformFeedback = false;
    bool geometryStreams = false;
};

// Device commands of extensions, which the loader does not export: null
// where the device lacks the extension.
struct ExtensionCommands {
    PFN_vkCmdBindTransformFeedbackBuffersEXT bindTransformFeedbackBuffers = nullptr;
    PFN_vkCmdBeginTransformFeedbackEXT beginTransformFeedback = nullptr;
    PFN_vkCmdEndTransformFeedbackEXT endTransformFeedback = nullptr;
};

class VulkanContext {
public:
    // A ready context, or null with the reason in `error`.
    static std::shared_ptr<VulkanContext> Create(std::string* error);
    ~VulkanContext();
    VulkanContext(const VulkanContext&) = delete;
    VulkanContext& operator=(const VulkanContext&) = delete;

    VkInstance instance = VK_NULL_HANDLE;
    VkPhysicalDevice physicalDevice = VK_NULL_HANDLE;
    VkDevice device = VK_NULL_HANDLE;
    VkQueue queue = VK_NULL_HANDLE;
    uint32_t queueFamilyIndex = 0;
    VkPhysicalDeviceProperties properties{};
    VkPhysicalDeviceMemoryProperties memoryProperties{};
    VulkanFeatures features;
    ExtensionCommands commands;
    // The device stopped finishing its work (a submission ran past the hang
    // time-out). Its queue may never be idle again: nothing may wait for it,
    // and whatever its work may still use is left alone, never destroyed.
    std::atomic<bool> lost{false};

private:
    VulkanContext() = default;
    bool CreateInstance(std::string* error);
    bool ChoosePhysicalDevice(std::string* error);
    bool CreateDevice(std::string* error);

    VkDebugUtilsMessengerEXT messenger_ = VK_NULL_HANDLE;
};

} // namespace vk_core
