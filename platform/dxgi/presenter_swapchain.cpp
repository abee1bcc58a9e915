// The Vulkan swap chain behind a presenter: surface format, present mode and
// (re)creation when the window's size or the sync interval changes.
#include "vulkan_presenter.h"

#include <debug_messages.h>
#include <vulkan_check.h>

#include <algorithm>
#include <cstdio>

namespace dxgi_standin {
namespace {

bool CanBlit(VkPhysicalDevice device, VkFormat format, VkFormatFeatureFlags feature) {
    VkFormatProperties properties{};
    vkGetPhysicalDeviceFormatProperties(device, format, &properties);
    return (properties.optimalTilingFeatures & feature) != 0;
}

bool IsUnorm8(VkFormat format) {
    return format == VK_FORMAT_B8G8R8A8_UNORM || format == VK_FORMAT_R8G8B8A8_UNORM;
}

// What a new swap chain of the surface looks like.
struct SwapchainShape {
    VkExtent2D extent;
    uint32_t imageCount;
    VkCompositeAlphaFlagBitsKHR alpha;
};

// False for a window of no size (minimised), which gets no swap chain.
bool ShapeFor(const VkSurfaceCapabilitiesKHR& caps, SwapchainShape* shape) {
    shape->extent = caps.currentExtent;
    if (shape->extent.width == 0xFFFFFFFFu) {
        shape->extent = caps.minImageExtent; // the surface takes the swap chain's size
    }
    if (shape->extent.width == 0 || shape->extent.height == 0) {
        return false;
    }
    shape->imageCount = std::max(caps.minImageCount + 1, 2u);
    if (caps.maxImageCount != 0) {
        shape->imageCount = std::min(shape->imageCount, caps.maxImageCount);
    }
    shape->alpha = VK_COMPOSITE_ALPHA_OPAQUE_BIT_KHR;
    if ((caps.supportedCompositeAlpha & shape->alpha) == 0) {
        shape->alpha = static_cast<VkCompositeAlphaFlagBitsKHR>(caps.supportedCompositeAlpha &
                                                                -caps.supportedCompositeAlpha);
    }
    return true;
}

} // namespace

bool VulkanPresenter::ChooseSurfaceFormat(VkFormat sourceFormat, std::string* reason) {
    if (sourceFormat == VK_FORMAT_UNDEFINED ||
        !CanBlit(vk_.physicalDevice, sourceFormat, VK_FORMAT_FEATURE_BLIT_SRC_BIT)) {
        *reason = "the back-buffer format cannot be copied to a window";
        return false;
    }
    uint32_t count = 0;
    vkGetPhysicalDeviceSurfaceFormatsKHR(vk_.physicalDevice, surface_, &count, nullptr);
    std::vector<VkSurfaceFormatKHR> formats(count);
    vkGetPhysicalDeviceSurfaceFormatsKHR(vk_.physicalDevice, surface_, &count, formats.data());
    // DXGI shows the buffer's values as they are: the window's format must not
    // re-encode them, so take the buffer's own format, else any 8-bit UNORM.
    int best = -1;
    int bestScore = 0;
    for (size_t i = 0; i < formats.size(); ++i) {
        VkFormat format = formats[i].format;
        if (!CanBlit(vk_.physicalDevice, format, VK_FORMAT_FEATURE_BLIT_DST_BIT)) {
            continue;
        }
        int score = format == sourceFormat ? 3 : IsUnorm8(format) ? 2 : 1;
        if (score > bestScore) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    if (best < 0) {
        *reason = "the window offers no format that a copy can write";
        return false;
    }
    surfaceFormat_ = formats[best];
    return true;
}

VkPresentModeKHR VulkanPresenter::ModeFor(bool waitForVblank) const {
    if (waitForVblank) {
        return VK_PRESENT_MODE_FIFO_KHR;
    }
    for (VkPresentModeKHR preferred :
         {VK_PRESENT_MODE_IMMEDIATE_KHR, VK_PRESENT_MODE_MAILBOX_KHR}) {
        if (std::find(modes_.begin(), modes_.end(), preferred) != modes_.end()) {
            return preferred;
        }
    }
    return VK_PRESENT_MODE_FIFO_KHR;
}

bool VulkanPresenter::WindowChangedSize() const {
    VkSurfaceCapabilitiesKHR caps{};
    if (vkGetPhysicalDeviceSurfaceCapabilitiesKHR(vk_.physicalDevice, surface_, &caps) !=
        VK_SUCCESS) {
        return false; // the next acquire or present says what is wrong
    }
    const VkExtent2D now = caps.currentExtent;
    return now.width != 0xFFFFFFFFu && (now.width != extent_.width || now.height != extent_.height);
}

bool VulkanPresenter::RecreateSwapchain(VkPresentModeKHR mode) {
    VkSurfaceCapabilitiesKHR caps{};
    if (vkGetPhysicalDeviceSurfaceCapabilitiesKHR(vk_.physicalDevice, surface_, &caps) !=
        VK_SUCCESS) {
        return false;
    }
    SwapchainShape shape{};
    if (!ShapeFor(caps, &shape)) {
        return false;
    }
    if ((caps.supportedUsageFlags & VK_IMAGE_USAGE_TRANSFER_DST_BIT) == 0) {
        standin::Report(standin::messages::NOTICE, nullptr, "IDXGISwapChain::Present",
                        "the window's images cannot be copied to");
        return false;
    }

    // The old swap chain's images and semaphores may still be in use.
    WaitIdle();
    for (VkSemaphore semaphore : readyToPresent_) {
        vkDestroySemaphore(vk_.device, semaphore, nullptr);
    }
    readyToPresent_.clear();
    images_.clear();

    VkSwapchainCreateInfoKHR info{};
    info.sType = VK_STRUCTURE_TYPE_SWAPCHAIN_CREATE_INFO_KHR;
    info.surface = surface_;
    info.minImageCount = shape.imageCount;
    info.imageFormat = surfaceFormat_.format;
    info.imageColorSpace = surfaceFormat_.colorSpace;
    info.imageExtent = shape.extent;
    info.imageArrayLayers = 1;
    info.imageUsage = VK_IMAGE_USAGE_TRANSFER_DST_BIT;
    info.imageSharingMode = VK_SHARING_MODE_EXCLUSIVE;
    info.preTransform = caps.currentTransform;
    info.compositeAlpha = shape.alpha;
    info.presentMode = mode;
    info.clipped = VK_TRUE;
    info.oldSwapchain = swapchain_;
    VkSwapchainKHR created = VK_NULL_HANDLE;
    VkResult result = vkCreateSwapchainKHR(vk_.device, &info, nullptr, &created);
    if (swapchain_ != VK_NULL_HANDLE) {
        vkDestroySwapchainKHR(vk_.device, swapchain_, nullptr);
        swapchain_ = VK_NULL_HANDLE;
    }
    if (result != VK_SUCCESS) {
        standin::Report(standin::messages::PRESENT_FAILED, this, "IDXGISwapChain::Present",
                        "vkCreateSwapchainKHR failed (%s); frames are dropped until it succeeds",
                        vk_core::ResultName(result));
        return false;
    }
    swapchain_ = created;
    mode_ = mode;
    extent_ = shape.extent;
    outOfDate_ = false;

    uint32_t count = 0;
    vkGetSwapchainImagesKHR(vk_.device, swapchain_, &count, nullptr);
    images_.resize(count);
    vkGetSwapchainImagesKHR(vk_.device, swapchain_, &count, images_.data());
    VkSemaphoreCreateInfo semaphoreInfo{};
    semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    readyToPresent_.resize(count, VK_NULL_HANDLE);
    for (VkSemaphore& semaphore : readyToPresent_) {
        if (vkCreateSemaphore(vk_.device, &semaphoreInfo, nullptr, &semaphore) != VK_SUCCESS) {
            DestroySwapchain();
            return false;
        }
    }
    return true;
}

void VulkanPresenter::DestroySwapchain() {
    for (VkSemaphore semaphore : readyToPresent_) {
        if (semaphore != VK_NULL_HANDLE) {
            vkDestroySemaphore(vk_.device, semaphore, nullptr);
        }
    }
    readyToPresent_.clear();
    images_.clear();
    if (swapchain_ != VK_NULL_HANDLE) {
        vkDestroySwapchainKHR(vk_.device, swapchain_, nullptr);
        swapchain_ = VK_NULL_HANDLE;
    }
}

} // namespace dxgi_standin
