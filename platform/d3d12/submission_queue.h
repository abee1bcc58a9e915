// The one Vulkan queue that every Direct3D 12 queue of a device submits to.
// Each submission signals the queue's own timeline ("serial") and keeps the
// objects it uses alive until the GPU has passed that serial. A list's batch
// is held until the next submission, so that the fence signal that usually
// follows it goes in the same vkQueueSubmit2.
#pragma once

#include "gpu_objects.h"

#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace d3d12_standin {

// A semaphore wait or signal of a batch; `value` is ignored for binary
// semaphores. ALL_COMMANDS stands for every stage the queue's work runs in.
VkSemaphoreSubmitInfo
SemaphorePoint(VkSemaphore semaphore, uint64_t value,
               VkPipelineStageFlags2 stages = VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT);

struct SubmitBatch {
    VkCommandBuffer commands = VK_NULL_HANDLE;
    bool ownsCommands = false; // recycled by the queue once executed
    std::vector<VkSemaphoreSubmitInfo> waits;
    std::vector<VkSemaphoreSubmitInfo> signals;
    VkFence fence = VK_NULL_HANDLE;
    std::vector<std::shared_ptr<const void>> keepAlive;
};

class SubmissionQueue {
public:
    explicit SubmissionQueue(std::shared_ptr<vk_core::VulkanContext> context);
    ~SubmissionQueue();
    SubmissionQueue(const SubmissionQueue&) = delete;
    SubmissionQueue& operator=(const SubmissionQueue&) = delete;

    // Guards the VkQueue, the command pool and everything below.
    std::mutex& Mutex() { return mutex_; }

    // A command buffer in the recording state (lock held).
    VkCommandBuffer BeginCommands();
    // Submits (or holds) and returns the batch's serial, or 0 on failure (lock held).
    uint64_t Submit(SubmitBatch batch);
    uint64_t LastSubmitted() const { return lastSubmitted_; }
    uint64_t Completed() const { return serial_.Value(); }
    // Blocks until the GPU has passed `serial`, then releases what finished.
    void WaitFor(uint64_t serial);
    // Submits a held batch now.
    void FlushHeld();
    // Releases the objects and command buffers of finished submissions.
    void Retire();

    const std::shared_ptr<vk_core::VulkanContext>& Context() const { return context_; }

private:
    struct InFlight {
        uint64_t serial;
        VkCommandBuffer commands;
        bool ownsCommands;
        std::vector<std::shared_ptr<const void>> keepAlive;
    };

    bool SubmitNow(SubmitBatch batch, uint64_t serial);

    std::shared_ptr<vk_core::VulkanContext> context_;
    std::mutex mutex_;
    std::optional<SubmitBatch> held_;
    uint64_t heldSerial_ = 0;
    TimelineSemaphore serial_;
    uint64_t lastSubmitted_ = 0;
    VkCommandPool pool_ = VK_NULL_HANDLE;
    std::vector<VkCommandBuffer> freeCommands_;
    std::deque<InFlight> inFlight_;
};

} // namespace d3d12_standin
