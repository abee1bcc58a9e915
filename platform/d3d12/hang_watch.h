// Windows' timeout detection and recovery: work that the GPU has not finished
// TdrDelay after it began (2 s unless the registry sets another) makes Windows
// reset the GPU and remove the devices using it with DXGI_ERROR_DEVICE_HUNG.
// A Vulkan device cannot be reset, so here the watch only declares the device
// lost; what that means for fences, waits and later calls is the callers'.
// On a CPU device (lavapipe) the submission must also have had TdrDelay of
// the processors' time, so that a loaded machine does not look like a hung GPU.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include <pthread.h>

namespace d3d12_standin {

class SubmissionQueue;

// TdrDelay: how long one submission may run. Tests shorten it.
std::chrono::milliseconds HangTimeout();
void SetHangTimeout(std::chrono::milliseconds timeout);

class HangWatch {
public:
    // Calls `onHang` once, on the watch's own thread, when the submission the
    // GPU is running has not finished within HangTimeout().
    HangWatch(SubmissionQueue& queue, std::function<void()> onHang);
    ~HangWatch();
    HangWatch(const HangWatch&) = delete;
    HangWatch& operator=(const HangWatch&) = delete;

    // Work went to the GPU: a watch with nothing to watch wakes.
    void NoteSent();

private:
    void Run();
    bool Idle();

    SubmissionQueue& queue_;
    std::function<void()> onHang_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool started_ = false;
    pthread_t thread_{};
};

} // namespace d3d12_standin
