// Shows Direct3D 12 back buffers in an X window: a Vulkan swap chain on an xcb
// surface, fed by blits that run on the Direct3D 12 queue after its own work.
#pragma once

#include <windows.h>

#include <d3d12.h>
#include <dxgiformat.h>
#include <vulkan/vulkan.h>

#include <dxgi_bridge.h>

#include <memory>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace dxgi_standin {

class VulkanPresenter {
public:
    // A presenter on the window, or null with the reason in `reason` when
    // this queue and window cannot present (the swap chain then runs headless).
    static std::unique_ptr<VulkanPresenter> Create(ID3D12CommandQueue* queue,
                                                   xcb_connection_t* connection, uint32_t window,
                                                   DXGI_FORMAT format, std::string* reason);
    ~VulkanPresenter();
    VulkanPresenter(const VulkanPresenter&) = delete;
    VulkanPresenter& operator=(const VulkanPresenter&) = delete;

    // Copies `image` (width x height, currently in `layout`) into the window
    // and leaves it in `layout` again. `waitForVblank` picks FIFO; otherwise
    // the swap chain presents immediately where the surface allows it.
    HRESULT Present(VkImage image, VkImageLayout layout, uint32_t width, uint32_t height,
                    bool waitForVblank);

private:
    struct FrameSlot {
        VkCommandBuffer commands = VK_NULL_HANDLE;
        VkSemaphore imageAcquired = VK_NULL_HANDLE;
        VkFence done = VK_NULL_HANDLE;
        bool submitted = false;
    };

    VulkanPresenter(ID3D12CommandQueue* queue, const d3d12_standin::QueueAccess& access);
    bool Initialize(xcb_connection_t* connection, uint32_t window, DXGI_FORMAT format,
                    std::string* reason);
    bool ChooseSurfaceFormat(VkFormat sourceFormat, std::string* reason);
    VkPresentModeKHR ModeFor(bool waitForVblank) const;
    // (Re)creates the swap chain for the surface's current size; false while
    // the window has no area to show (nothing is presented then).
    bool RecreateSwapchain(VkPresentModeKHR mode);
    // Whether the window's size is no longer the swap chain's. Some drivers
    // (Mesa 25's X11 presentation for lavapipe) go on presenting into a
    // resized window without reporting the swap chain suboptimal or out of date.
    bool WindowChangedSize() const;
    void DestroySwapchain();
    void RecordCopy(FrameSlot& slot, VkImage source, VkImageLayout layout, uint32_t width,
                    uint32_t height, uint32_t imageIndex);
    // Waits for every submitted copy and the presents that waited on them.
    void WaitIdle();

    ID3D12CommandQueue* queue_; // not owned: the swap chain keeps it alive
    d3d12_standin::QueueAccess vk_;
    VkSurfaceKHR surface_ = VK_NULL_HANDLE;
    VkSurfaceFormatKHR surfaceFormat_{};
    VkCommandPool pool_ = VK_NULL_HANDLE;
    FrameSlot slots_[2];
    uint32_t nextSlot_ = 0;

    VkSwapchainKHR swapchain_ = VK_NULL_HANDLE;
    VkPresentModeKHR mode_ = VK_PRESENT_MODE_FIFO_KHR;
    VkExtent2D extent_{};
    std::vector<VkImage> images_;
    std::vector<VkSemaphore> readyToPresent_; // one per swap-chain image
    std::vector<VkPresentModeKHR> modes_;
    bool outOfDate_ = false;
};

} // namespace dxgi_standin
