#include "vulkan_presenter.h"

#include <debug_messages.h>
#include <xcb/xcb.h>

#include <vulkan/vulkan_xcb.h>
#include <vulkan_check.h>

#include <cstdio>

namespace dxgi_standin {
namespace {

// Acquiring waits at most this long for the window system before the frame
// is dropped (the index still advances, as when a window is occluded).
constexpr uint64_t kAcquireTimeoutNs = 2'000'000'000ull;

VkFormat VulkanFormat(DXGI_FORMAT format) {
    switch (format) {
    case DXGI_FORMAT_R8G8B8A8_UNORM:
        return VK_FORMAT_R8G8B8A8_UNORM;
    case DXGI_FORMAT_B8G8R8A8_UNORM:
        return VK_FORMAT_B8G8R8A8_UNORM;
    case DXGI_FORMAT_R10G10B10A2_UNORM:
        return VK_FORMAT_A2B10G10R10_UNORM_PACK32;
    case DXGI_FORMAT_R16G16B16A16_FLOAT:
        return VK_FORMAT_R16G16B16A16_SFLOAT;
    default:
        return VK_FORMAT_UNDEFINED;
    }
}

VkImageMemoryBarrier2 ColorBarrier(VkImage image, VkImageLayout from, VkImageLayout to) {
    VkImageMemoryBarrier2 barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER_2;
    barrier.oldLayout = from;
    barrier.newLayout = to;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image;
    barrier.subresourceRange = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, 0, 1};
    return barrier;
}

// Once per failing call for the process: `what` keys the report.
void ReportOnce(const char* what, VkResult result) {
    standin::Report(standin::messages::PRESENT_FAILED, what, "IDXGISwapChain::Present",
                    "%s failed (%s); frame dropped", what, vk_core::ResultName(result));
}

} // namespace

std::unique_ptr<VulkanPresenter> VulkanPresenter::Create(ID3D12CommandQueue* queue,
                                                         xcb_connection_t* connection,
                                                         uint32_t window, DXGI_FORMAT format,
                                                         std::string* reason) {
    if (connection == nullptr) {
        *reason = "the window has no X display";
        return nullptr;
    }
    d3d12_standin::QueueAccess access{};
    if (!d3d12_standin::GetQueueAccess(queue, &access)) {
        *reason = "the queue is not a stand-in Direct3D 12 queue";
        return nullptr;
    }
    if (!d3d12_standin::PresentationSupported(queue)) {
        *reason = "the Vulkan device has no xcb surface or swap-chain support";
        return nullptr;
    }
    std::unique_ptr<VulkanPresenter> presenter(new VulkanPresenter(queue, access));
    if (!presenter->Initialize(connection, window, format, reason)) {
        return nullptr;
    }
    return presenter;
}

VulkanPresenter::VulkanPresenter(ID3D12CommandQueue* queue,
                                 const d3d12_standin::QueueAccess& access)
    : queue_(queue), vk_(access) {}

bool VulkanPresenter::Initialize(xcb_connection_t* connection, uint32_t window, DXGI_FORMAT format,
                                 std::string* reason) {
    VkXcbSurfaceCreateInfoKHR surfaceInfo{};
    surfaceInfo.sType = VK_STRUCTURE_TYPE_XCB_SURFACE_CREATE_INFO_KHR;
    surfaceInfo.connection = connection;
    surfaceInfo.window = window;
    VkResult result = vkCreateXcbSurfaceKHR(vk_.instance, &surfaceInfo, nullptr, &surface_);
    if (result != VK_SUCCESS) {
        *reason = std::string("vkCreateXcbSurfaceKHR failed (") + vk_core::ResultName(result) + ")";
        return false;
    }
    VkBool32 supported = VK_FALSE;
    vkGetPhysicalDeviceSurfaceSupportKHR(vk_.physicalDevice, vk_.queueFamilyIndex, surface_,
                                         &supported);
    if (!supported) {
        *reason = "the queue family cannot present to this window";
        return false;
    }
    if (!ChooseSurfaceFormat(VulkanFormat(format), reason)) {
        return false;
    }
    uint32_t modeCount = 0;
    vkGetPhysicalDeviceSurfacePresentModesKHR(vk_.physicalDevice, surface_, &modeCount, nullptr);
    modes_.resize(modeCount);
    vkGetPhysicalDeviceSurfacePresentModesKHR(vk_.physicalDevice, surface_, &modeCount,
                                              modes_.data());

    VkCommandPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
    poolInfo.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
    poolInfo.queueFamilyIndex = vk_.queueFamilyIndex;
    if (vkCreateCommandPool(vk_.device, &poolInfo, nullptr, &pool_) != VK_SUCCESS) {
        *reason = "vkCreateCommandPool failed";
        return false;
    }
    for (FrameSlot& slot : slots_) {
        VkCommandBufferAllocateInfo allocInfo{};
        allocInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
        allocInfo.commandPool = pool_;
        allocInfo.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
        allocInfo.commandBufferCount = 1;
        VkSemaphoreCreateInfo semaphoreInfo{};
        semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
        VkFenceCreateInfo fenceInfo{};
        fenceInfo.sType = VK_STRUCTURE_TYPE_FENCE_CREATE_INFO;
        if (vkAllocateCommandBuffers(vk_.device, &allocInfo, &slot.commands) != VK_SUCCESS ||
            vkCreateSemaphore(vk_.device, &semaphoreInfo, nullptr, &slot.imageAcquired) !=
                VK_SUCCESS ||
            vkCreateFence(vk_.device, &fenceInfo, nullptr, &slot.done) != VK_SUCCESS) {
            *reason = "creating the presentation command buffers or semaphores failed";
            return false;
        }
    }
    return true;
}

VulkanPresenter::~VulkanPresenter() {
    standin::ForgetObject(this);
    if (d3d12_standin::DeviceRemoved(queue_)) {
        return; // the queue may never be idle again: its objects are left as they are
    }
    WaitIdle();
    DestroySwapchain();
    for (FrameSlot& slot : slots_) {
        if (slot.done != VK_NULL_HANDLE) {
            vkDestroyFence(vk_.device, slot.done, nullptr);
        }
        if (slot.imageAcquired != VK_NULL_HANDLE) {
            vkDestroySemaphore(vk_.device, slot.imageAcquired, nullptr);
        }
    }
    if (pool_ != VK_NULL_HANDLE) {
        vkDestroyCommandPool(vk_.device, pool_, nullptr);
    }
    if (surface_ != VK_NULL_HANDLE) {
        vkDestroySurfaceKHR(vk_.instance, surface_, nullptr);
    }
}

void VulkanPresenter::WaitIdle() {
    for (FrameSlot& slot : slots_) {
        if (slot.submitted) {
            vkWaitForFences(vk_.device, 1, &slot.done, VK_TRUE, UINT64_MAX);
            slot.submitted = false;
        }
    }
    // The presents' semaphore waits finish with the queue; the application
    // drives the queue from one thread, so nothing else submits meanwhile.
    if (swapchain_ != VK_NULL_HANDLE) {
        vkQueueWaitIdle(vk_.queue);
    }
}

HRESULT VulkanPresenter::Present(VkImage image, VkImageLayout layout, uint32_t width,
                                 uint32_t height, bool waitForVblank) {
    VkPresentModeKHR mode = ModeFor(waitForVblank);
    if (swapchain_ == VK_NULL_HANDLE || outOfDate_ || mode != mode_ || WindowChangedSize()) {
        if (!RecreateSwapchain(mode)) {
            return S_OK; // nothing to show into (an empty window)
        }
    }
    FrameSlot& slot = slots_[nextSlot_];
    if (slot.submitted) {
        vkWaitForFences(vk_.device, 1, &slot.done, VK_TRUE, UINT64_MAX);
        slot.submitted = false;
    }

    uint32_t imageIndex = 0;
    VkResult acquired = vkAcquireNextImageKHR(vk_.device, swapchain_, kAcquireTimeoutNs,
                                              slot.imageAcquired, VK_NULL_HANDLE, &imageIndex);
    if (acquired == VK_ERROR_OUT_OF_DATE_KHR) {
        if (!RecreateSwapchain(mode)) {
            return S_OK;
        }
        acquired = vkAcquireNextImageKHR(vk_.device, swapchain_, kAcquireTimeoutNs,
                                         slot.imageAcquired, VK_NULL_HANDLE, &imageIndex);
    }
    if (acquired == VK_SUBOPTIMAL_KHR) {
        outOfDate_ = true; // still presentable; rebuilt before the next frame
    } else if (acquired != VK_SUCCESS) {
        ReportOnce("vkAcquireNextImageKHR", acquired);
        outOfDate_ = true;
        return acquired == VK_ERROR_DEVICE_LOST ? DXGI_ERROR_DEVICE_REMOVED : S_OK;
    }

    RecordCopy(slot, image, layout, width, height, imageIndex);
    vkResetFences(vk_.device, 1, &slot.done);
    HRESULT submitted = d3d12_standin::SubmitOnQueue(queue_, slot.commands, slot.imageAcquired,
                                                     VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT,
                                                     readyToPresent_[imageIndex], slot.done);
    if (FAILED(submitted)) {
        // The acquire semaphore stays signalled: rebuild everything before reuse.
        standin::Report(standin::messages::NOTICE, nullptr, "IDXGISwapChain::Present",
                        "submitting the copy failed");
        vkDeviceWaitIdle(vk_.device);
        vkDestroySemaphore(vk_.device, slot.imageAcquired, nullptr);
        VkSemaphoreCreateInfo semaphoreInfo{};
        semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
        vkCreateSemaphore(vk_.device, &semaphoreInfo, nullptr, &slot.imageAcquired);
        outOfDate_ = true;
        return submitted;
    }
    slot.submitted = true;
    nextSlot_ = (nextSlot_ + 1) % 2;

    VkPresentInfoKHR presentInfo{};
    presentInfo.sType = VK_STRUCTURE_TYPE_PRESENT_INFO_KHR;
    presentInfo.waitSemaphoreCount = 1;
    presentInfo.pWaitSemaphores = &readyToPresent_[imageIndex];
    presentInfo.swapchainCount = 1;
    presentInfo.pSwapchains = &swapchain_;
    presentInfo.pImageIndices = &imageIndex;
    VkResult presented = vkQueuePresentKHR(vk_.queue, &presentInfo);
    if (presented == VK_SUBOPTIMAL_KHR || presented == VK_ERROR_OUT_OF_DATE_KHR) {
        outOfDate_ = true;
    } else if (presented != VK_SUCCESS) {
        ReportOnce("vkQueuePresentKHR", presented);
        outOfDate_ = true;
        if (presented == VK_ERROR_DEVICE_LOST) {
            return DXGI_ERROR_DEVICE_REMOVED;
        }
    }
    return S_OK;
}

void VulkanPresenter::RecordCopy(FrameSlot& slot, VkImage source, VkImageLayout layout,
                                 uint32_t width, uint32_t height, uint32_t imageIndex) {
    VkImage target = images_[imageIndex];
    vkResetCommandBuffer(slot.commands, 0);
    VkCommandBufferBeginInfo begin{};
    begin.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO;
    begin.flags = VK_COMMAND_BUFFER_USAGE_ONE_TIME_SUBMIT_BIT;
    vkBeginCommandBuffer(slot.commands, &begin);

    // A buffer that was never written has no contents to show: present black.
    const bool hasContents = source != VK_NULL_HANDLE && layout != VK_IMAGE_LAYOUT_UNDEFINED;
    VkImageMemoryBarrier2 before[2];
    before[0] =
        ColorBarrier(target, VK_IMAGE_LAYOUT_UNDEFINED, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL);
    before[0].srcStageMask = VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT;
    before[0].dstStageMask = VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT;
    before[0].dstAccessMask = VK_ACCESS_2_TRANSFER_WRITE_BIT;
    before[1] = ColorBarrier(source, layout, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL);
    before[1].srcStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
    before[1].srcAccessMask = VK_ACCESS_2_MEMORY_WRITE_BIT;
    before[1].dstStageMask = VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT;
    before[1].dstAccessMask = VK_ACCESS_2_TRANSFER_READ_BIT;
    VkDependencyInfo dependency{};
    dependency.sType = VK_STRUCTURE_TYPE_DEPENDENCY_INFO;
    dependency.imageMemoryBarrierCount = hasContents ? 2 : 1;
    dependency.pImageMemoryBarriers = before;
    vkCmdPipelineBarrier2(slot.commands, &dependency);

    if (hasContents) {
        // Blits convert between channel orders and stretch to the window, as
        // DXGI_SCALING_STRETCH does.
        VkImageBlit region{};
        region.srcSubresource = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 0, 1};
        region.srcOffsets[1] = {static_cast<int32_t>(width), static_cast<int32_t>(height), 1};
        region.dstSubresource = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 0, 1};
        region.dstOffsets[1] = {static_cast<int32_t>(extent_.width),
                                static_cast<int32_t>(extent_.height), 1};
        vkCmdBlitImage(slot.commands, source, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, target,
                       VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, 1, &region, VK_FILTER_NEAREST);
    } else {
        VkClearColorValue black{};
        VkImageSubresourceRange range{VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, 0, 1};
        vkCmdClearColorImage(slot.commands, target, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, &black, 1,
                             &range);
    }

    VkImageMemoryBarrier2 after[2];
    after[0] =
        ColorBarrier(target, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, VK_IMAGE_LAYOUT_PRESENT_SRC_KHR);
    after[0].srcStageMask = VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT;
    after[0].srcAccessMask = VK_ACCESS_2_TRANSFER_WRITE_BIT;
    after[1] = ColorBarrier(source, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, layout);
    after[1].srcStageMask = VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT;
    after[1].dstStageMask = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT;
    after[1].dstAccessMask = VK_ACCESS_2_MEMORY_READ_BIT | VK_ACCESS_2_MEMORY_WRITE_BIT;
    dependency.imageMemoryBarrierCount = hasContents ? 2 : 1;
    dependency.pImageMemoryBarriers = after;
    vkCmdPipelineBarrier2(slot.commands, &dependency);
    vkEndCommandBuffer(slot.commands);
}

} // namespace dxgi_standin
