// The one Vulkan queue that every Direct3D 12 queue of a device submits to.
// Each submission signals the queue's own timeline ("serial") and keeps the
// objects it uses alive until the GPU has passed that serial. A list's batch
// is held until the next submission, so that the fence signal that usually
// follows it goes in the same vkQueueSubmit2.
#pragma once

#include "gpu_objects.h"
#include "hang_watch.h"
#include "returned_commands.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
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
    // A list's work: held until the next submission, which a fence signal may join.
    bool fromList = false;
    std::vector<VkSemaphoreSubmitInfo> waits;
    std::vector<VkSemaphoreSubmitInfo> signals;
    VkFence fence = VK_NULL_HANDLE;
    std::vector<std::shared_ptr<const void>> keepAlive;
};

class SubmissionQueue {
public:
    // `onHang` runs once, on a thread of its own, when a submission runs past
    // the hang time-out (hang_watch.h).
    SubmissionQueue(std::shared_ptr<vk_core::VulkanContext> context, std::function<void()> onHang);
    ~SubmissionQueue();
    SubmissionQueue(const SubmissionQueue&) = delete;
    SubmissionQueue& operator=(const SubmissionQueue&) = delete;

    // Guards the VkQueue, the command pool and everything below.
    std::mutex& Mutex() { return mutex_; }

    // A command buffer in the recording state (lock held); one that may be
    // submitted again only where `again`.
    VkCommandBuffer BeginCommands(bool again = false);
    // Where kept command buffers go back to once their owner lets go.
    const std::shared_ptr<ReturnedCommands>& Returns() const { return returns_; }
    // An empty batch whose lists reuse the storage of a finished one, so that
    // steady submission allocates nothing (lock held).
    SubmitBatch NewBatch();
    // Submits (or holds) and returns the batch's serial, or 0 on failure or
    // when the device is lost (lock held).
    uint64_t Submit(SubmitBatch batch);
    uint64_t LastSubmitted() const { return lastSubmitted_; }
    // Whether the driver has finished submission `serial` (lock held).
    bool Finished(uint64_t serial) const {
        return serial <= serial_->Seen() || serial <= DriverCompleted();
    }
    // As Direct3D 12 sees it: everything once the device is lost.
    uint64_t Completed() const { return serial_->Value(); }
    // What the driver has really finished, and the last serial it was given.
    uint64_t DriverCompleted() const { return serial_->DriverValue(); }
    uint64_t Sent() const { return sent_; }
    // Whether the batch of `serial` still waits for a fence value to be reached.
    bool WaitsForFence(uint64_t serial);
    // Blocks until the driver passes `serial` or `timeout` passes.
    void WaitForDriver(uint64_t serial, std::chrono::nanoseconds timeout);
    // Blocks until the GPU has passed `serial` or the device is lost, then
    // releases what finished.
    void WaitFor(uint64_t serial);
    // Submits a held batch now.
    void FlushHeld();
    // Releases the objects and command buffers of finished submissions.
    void Retire();

    const std::shared_ptr<vk_core::VulkanContext>& Context() const { return context_; }

private:
    struct InFlight {
        uint64_t serial;
        SubmitBatch batch;
    };

    struct FenceGate {
        uint64_t serial;
        VkSemaphore semaphore;
        uint64_t value;
    };

    bool SubmitNow(SubmitBatch batch, uint64_t serial);
    // Releases what `batch` holds and keeps its storage for NewBatch.
    void Recycle(SubmitBatch batch);
    void NoteFenceGates(const SubmitBatch& batch, uint64_t serial);
    // On a lost device: whatever the unfinished work uses stays as it is.
    void AbandonUnfinished();

    std::shared_ptr<vk_core::VulkanContext> context_;
    std::mutex mutex_;
    std::optional<SubmitBatch> held_;
    uint64_t heldSerial_ = 0;
    std::shared_ptr<TimelineSemaphore> serial_;
    uint64_t lastSubmitted_ = 0;
    VkCommandPool pool_ = VK_NULL_HANDLE;
    std::vector<VkCommandBuffer> freeCommands_;
    std::shared_ptr<ReturnedCommands> returns_ = std::make_shared<ReturnedCommands>();
    std::vector<InFlight> inFlight_; // a few at most: kept in order, storage reused
    std::vector<SubmitBatch> spareBatches_;
    std::atomic<uint64_t> sent_{0};
    std::mutex gatesMutex_; // the watch reads the gates without the queue's lock
    std::deque<FenceGate> gates_;
    std::unique_ptr<HangWatch> watch_;
};

} // namespace d3d12_standin
