// Kept command buffers whose last owner has let go of them, on their way
// back to the queue's free ones.
#pragma once

#include <vulkan_context.h>

#include <mutex>
#include <vector>

namespace d3d12_standin {

// Filled from any thread; the queue takes them under its own lock.
class ReturnedCommands {
public:
    void Give(VkCommandBuffer commands) {
        std::lock_guard lock(mutex_);
        buffers_.push_back(commands);
    }
    // Moves what was given into `free`.
    void TakeInto(std::vector<VkCommandBuffer>* free) {
        std::lock_guard lock(mutex_);
        free->insert(free->end(), buffers_.begin(), buffers_.end());
        buffers_.clear();
    }

private:
    std::mutex mutex_;
    std::vector<VkCommandBuffer> buffers_;
};

} // namespace d3d12_standin
