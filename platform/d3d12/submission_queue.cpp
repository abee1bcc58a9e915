#include "submission_queue.h"

#include <algorithm>

#include <vulkan_check.h>

namespace d3d12_standin {
namespace {

// Every stage the stand-in's work runs in, named one by one: the same scope
// as ALL_COMMANDS for a wait, without the catch-all that the best-practices
// checks flag. A signal waits for all earlier work through BOTTOM_OF_PIPE,
// which means every stage in a first scope.
constexpr VkPipelineStageFlags2 kEveryStage =
    VK_PIPELINE_STAGE_2_DRAW_INDIRECT_BIT | VK_PIPELINE_STAGE_2_VERTEX_INPUT_BIT |
    VK_PIPELINE_STAGE_2_PRE_RASTERIZATION_SHADERS_BIT | VK_PIPELINE_STAGE_2_FRAGMENT_SHADER_BIT |
    VK_PIPELINE_STAGE_2_EARLY_FRAGMENT_TESTS_BIT | VK_PIPELINE_STAGE_2_LATE_FRAGMENT_TESTS_BIT |
    VK_PIPELINE_STAGE_2_COLOR_ATTACHMENT_OUTPUT_BIT | VK_PIPELINE_STAGE_2_COMPUTE_SHADER_BIT |
    VK_PIPELINE_STAGE_2_ALL_TRANSFER_BIT;

void NameEveryStage(std::vector<VkSemaphoreSubmitInfo>* points, VkPipelineStageFlags2 every) {
    for (VkSemaphoreSubmitInfo& point : *points) {
        if (point.stageMask == VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT) {
            point.stageMask = every;
        }
    }
}

} // namespace

VkSemaphoreSubmitInfo SemaphorePoint(VkSemaphore semaphore, uint64_t value,
                                     VkPipelineStageFlags2 stages) {
    VkSemaphoreSubmitInfo point{};
    point.sType = VK_STRUCTURE_TYPE_SEMAPHORE_SUBMIT_INFO;
    point.semaphore = semaphore;
    point.value = value;
    point.stageMask = stages;
    return point;
}

SubmissionQueue::SubmissionQueue(std::shared_ptr<vk_core::VulkanContext> context,
                                 std::function<void()> onHang)
    : context_(std::move(context)), serial_(std::make_shared<TimelineSemaphore>(context_, 0)) {
    VkCommandPoolCreateInfo info{};
    info.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
    info.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
    info.queueFamilyIndex = context_->queueFamilyIndex;
    VK_CHECK(vkCreateCommandPool(context_->device, &info, nullptr, &pool_));
    watch_ = std::make_unique<HangWatch>(*this, std::move(onHang));
}

SubmissionQueue::~SubmissionQueue() {
    watch_.reset();
    std::lock_guard lock(mutex_);
    if (context_->lost && DriverCompleted() < sent_) {
        AbandonUnfinished();
        return;
    }
    FlushHeld();
    vkQueueWaitIdle(context_->queue);
    Retire();
    vkDestroyCommandPool(context_->device, pool_, nullptr);
}

VkCommandBuffer SubmissionQueue::BeginCommands(bool again) {
    VkCommandBuffer commands = VK_NULL_HANDLE;
    if (freeCommands_.empty()) {
        returns_->TakeInto(&freeCommands_);
    }
    if (!freeCommands_.empty()) {
        commands = freeCommands_.back();
        freeCommands_.pop_back();
        vkResetCommandBuffer(commands, 0);
    } else {
        VkCommandBufferAllocateInfo info{};
        info.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
        info.commandPool = pool_;
        info.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
        info.commandBufferCount = 1;
        if (!VK_CHECK(vkAllocateCommandBuffers(context_->device, &info, &commands))) {
            return VK_NULL_HANDLE;
        }
    }
    VkCommandBufferBeginInfo begin{};
    begin.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO;
    begin.flags = again ? 0 : VK_COMMAND_BUFFER_USAGE_ONE_TIME_SUBMIT_BIT;
    vkBeginCommandBuffer(commands, &begin);
    return commands;
}

SubmitBatch SubmissionQueue::NewBatch() {
    if (spareBatches_.empty()) {
        return SubmitBatch{};
    }
    SubmitBatch batch = std::move(spareBatches_.back());
    spareBatches_.pop_back();
    return batch;
}

void SubmissionQueue::Recycle(SubmitBatch batch) {
    constexpr size_t kSpareBatches = 8;
    if (batch.ownsCommands) {
        freeCommands_.push_back(batch.commands);
    }
    batch.commands = VK_NULL_HANDLE;
    batch.ownsCommands = false;
    batch.fromList = false;
    batch.fence = VK_NULL_HANDLE;
    batch.waits.clear();
    batch.signals.clear();
    batch.keepAlive.clear();
    if (spareBatches_.size() < kSpareBatches) {
        spareBatches_.push_back(std::move(batch));
    }
}

uint64_t SubmissionQueue::Submit(SubmitBatch batch) {
    const bool signalOnly =
        batch.commands == VK_NULL_HANDLE && batch.waits.empty() && batch.fence == VK_NULL_HANDLE;
    const bool joinsHeld = held_.has_value() && signalOnly;
    if (!joinsHeld) {
        Retire(); // else the held list's own submission has just retired what had finished
    }
    if (context_->lost) {
        Recycle(std::move(batch));
        return 0;
    }
    if (joinsHeld) {
        // A fence signal right after a list: one submission for both.
        SubmitBatch joined = std::move(*held_);
        held_.reset();
        joined.signals.insert(joined.signals.end(), batch.signals.begin(), batch.signals.end());
        joined.keepAlive.insert(joined.keepAlive.end(), batch.keepAlive.begin(),
                                batch.keepAlive.end());
        Recycle(std::move(batch));
        return SubmitNow(std::move(joined), heldSerial_) ? heldSerial_ : 0;
    }
    FlushHeld();
    uint64_t serial = ++lastSubmitted_;
    if (batch.commands != VK_NULL_HANDLE && batch.fromList && batch.signals.empty() &&
        batch.fence == VK_NULL_HANDLE) {
        held_ = std::move(batch);
        heldSerial_ = serial;
        return serial;
    }
    return SubmitNow(std::move(batch), serial) ? serial : 0;
}

void SubmissionQueue::FlushHeld() {
    if (held_.has_value() && context_->lost) {
        if (held_->ownsCommands) {
            freeCommands_.push_back(held_->commands);
        }
        held_.reset();
    }
    if (held_.has_value()) {
        SubmitBatch batch = std::move(*held_);
        held_.reset();
        SubmitNow(std::move(batch), heldSerial_);
    }
}

bool SubmissionQueue::SubmitNow(SubmitBatch batch, uint64_t serial) {
    VkSemaphoreSubmitInfo serialSignal = SemaphorePoint(serial_->semaphore, serial);
    // The serial first: whoever sees a fence signalled with the batch must
    // also see the batch finished (an allocator may then be reset).
    batch.signals.insert(batch.signals.begin(), serialSignal);
    // Each submission begins after the one before it has finished, as
    // Direct3D 12 finishes one ExecuteCommandLists' work before the next's:
    // a list's own barriers then only order the work inside it.
    if (serial > 1) {
        VkSemaphoreSubmitInfo previous = serialSignal;
        previous.value = serial - 1;
        batch.waits.push_back(previous);
    }
    NameEveryStage(&batch.waits, kEveryStage);
    NoteFenceGates(batch, serial);
    NameEveryStage(&batch.signals, VK_PIPELINE_STAGE_2_BOTTOM_OF_PIPE_BIT);

    VkCommandBufferSubmitInfo commandInfo{};
    commandInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_SUBMIT_INFO;
    commandInfo.commandBuffer = batch.commands;
    VkSubmitInfo2 submit{};
    submit.sType = VK_STRUCTURE_TYPE_SUBMIT_INFO_2;
    submit.waitSemaphoreInfoCount = uint32_t(batch.waits.size());
    submit.pWaitSemaphoreInfos = batch.waits.data();
    submit.commandBufferInfoCount = batch.commands != VK_NULL_HANDLE ? 1 : 0;
    submit.pCommandBufferInfos = &commandInfo;
    submit.signalSemaphoreInfoCount = uint32_t(batch.signals.size());
    submit.pSignalSemaphoreInfos = batch.signals.data();
    if (!VK_CHECK(vkQueueSubmit2(context_->queue, 1, &submit, batch.fence))) {
        Recycle(std::move(batch));
        // The serial is taken: pass it from the host so that waits for it
        // and for later serials still end.
        VkSemaphoreSignalInfo signal{};
        signal.sType = VK_STRUCTURE_TYPE_SEMAPHORE_SIGNAL_INFO;
        signal.semaphore = serial_->semaphore;
        signal.value = serial;
        VK_CHECK(vkSignalSemaphore(context_->device, &signal));
        sent_ = serial;
        watch_->NoteSent();
        return false;
    }
    inFlight_.push_back({serial, std::move(batch)});
    sent_ = serial;
    watch_->NoteSent();
    return true;
}

void SubmissionQueue::NoteFenceGates(const SubmitBatch& batch, uint64_t serial) {
    std::lock_guard lock(gatesMutex_);
    for (const VkSemaphoreSubmitInfo& wait : batch.waits) {
        // Value 0: a binary semaphore (or a wait that is over at once).
        if (wait.semaphore != serial_->semaphore && wait.value != 0) {
            gates_.push_back({serial, wait.semaphore, wait.value});
        }
    }
}

bool SubmissionQueue::WaitsForFence(uint64_t serial) {
    std::lock_guard lock(gatesMutex_);
    for (const FenceGate& gate : gates_) {
        uint64_t value = 0;
        if (gate.serial == serial &&
            vkGetSemaphoreCounterValue(context_->device, gate.semaphore, &value) == VK_SUCCESS &&
            value < gate.value) {
            return true;
        }
    }
    return false;
}

void SubmissionQueue::WaitForDriver(uint64_t serial, std::chrono::nanoseconds timeout) {
    VkSemaphoreWaitInfo wait{};
    wait.sType = VK_STRUCTURE_TYPE_SEMAPHORE_WAIT_INFO;
    wait.semaphoreCount = 1;
    wait.pSemaphores = &serial_->semaphore;
    wait.pValues = &serial;
    VkResult result = vkWaitSemaphores(context_->device, &wait, uint64_t(timeout.count()));
    if (result != VK_TIMEOUT) {
        VK_CHECK(result);
    }
}

void SubmissionQueue::WaitFor(uint64_t serial) {
    if (held_.has_value() && heldSerial_ <= serial) {
        FlushHeld();
    }
    // In slices, so that a device lost meanwhile ends the wait.
    constexpr std::chrono::milliseconds kSlice{10};
    while (!context_->lost && DriverCompleted() < serial) {
        WaitForDriver(serial, kSlice);
    }
    Retire();
}

void SubmissionQueue::AbandonUnfinished() {
    // The driver may still read these, and its threads may still run when
    // the process ends: they are let go of without being destroyed.
    static auto* abandoned = new std::vector<std::vector<InFlight>>;
    static auto* abandonedSerials = new std::vector<std::shared_ptr<TimelineSemaphore>>;
    abandoned->push_back(std::move(inFlight_));
    abandonedSerials->push_back(serial_);
    if (held_.has_value()) {
        if (held_->ownsCommands) {
            freeCommands_.push_back(held_->commands);
        }
        held_.reset();
    }
}

void SubmissionQueue::Retire() {
    uint64_t completed = 0;
    {
        std::lock_guard lock(gatesMutex_);
        uint64_t newest = inFlight_.empty() ? 0 : inFlight_.back().serial;
        newest = gates_.empty() ? newest : std::max(newest, gates_.back().serial);
        if (newest == 0) {
            return; // nothing to ask the driver about
        }
        // A serial the driver has already reported passing needs no second question.
        completed = serial_->Seen();
        if (completed < newest) {
            completed = DriverCompleted();
        }
        while (!gates_.empty() && gates_.front().serial <= completed) {
            gates_.pop_front();
        }
    }
    size_t finished = 0;
    while (finished < inFlight_.size() && inFlight_[finished].serial <= completed) {
        Recycle(std::move(inFlight_[finished].batch));
        ++finished;
    }
    inFlight_.erase(inFlight_.begin(), inFlight_.begin() + ptrdiff_t(finished));
}

} // namespace d3d12_standin
