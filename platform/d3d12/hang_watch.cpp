#include "hang_watch.h"

#include "submission_queue.h"
#include "thread_cpu_time.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace d3d12_standin {
namespace {

using Clock = std::chrono::steady_clock;

// TdrDelay's default ("Testing and debugging TDR during driver development",
// learn.microsoft.com/windows-hardware/drivers/display/tdr-registry-keys).
// Windows reads another from the registry's TdrDelay (seconds); here
// BRENNWICK_D3D12_TDR_DELAY stands for it (1 to 3600), for runs under tools
// that slow the driver down a hundredfold.
constexpr std::chrono::milliseconds kTdrDelay{2000};

int64_t ConfiguredTdrDelayMs() {
    if (const char* text = std::getenv("BRENNWICK_D3D12_TDR_DELAY")) {
        const long seconds = std::strtol(text, nullptr, 10);
        if (seconds >= 1 && seconds <= 3600) {
            return int64_t(seconds) * 1000;
        }
    }
    return kTdrDelay.count();
}

std::atomic<int64_t> g_timeoutMs{ConfiguredTdrDelayMs()};

constexpr size_t kWatchStackBytes = 256 * 1024;

// How often a watch looks at its own stop request while the GPU works.
constexpr std::chrono::milliseconds kLookAgain{100};

// On a CPU device, work that the rasteriser threads never see (a vertex
// stage that does not end) is removed after this many times TdrDelay.
constexpr int kUnrasterisedAllowance = 5;

// On a CPU device the GPU's time is what its rasteriser threads have had of
// the processors (llvmpipe names them so). The wall clock runs ahead of it on
// a loaded machine, and while the driver compiles a shader on its first use
// (on its queue thread), which a GPU driver does when the pipeline is made,
// outside any timeout.
constexpr const char* kRasteriserThreads = "llvmpipe-";

} // namespace

std::chrono::milliseconds HangTimeout() {
    return std::chrono::milliseconds(g_timeoutMs.load());
}

void SetHangTimeout(std::chrono::milliseconds timeout) {
    g_timeoutMs = timeout.count() > 0 ? timeout.count() : ConfiguredTdrDelayMs();
}

HangWatch::HangWatch(SubmissionQueue& queue, std::function<void()> onHang)
    : queue_(queue), onHang_(std::move(onHang)) {
    // A small stack: the watch must start even where little address space is
    // left, and where it cannot, the device only goes without it.
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kWatchStackBytes);
    auto run = [](void* watch) -> void* {
        static_cast<HangWatch*>(watch)->Run();
        return nullptr;
    };
    started_ = pthread_create(&thread_, &attributes, run, this) == 0;
    pthread_attr_destroy(&attributes);
    if (!started_) {
        std::fprintf(stderr, "D3D12 stand-in: no thread for the hang watch; a GPU that never "
                             "finishes will not remove the device\n");
    }
}

HangWatch::~HangWatch() {
    if (!started_) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    pthread_join(thread_, nullptr);
}

void HangWatch::NoteSent() {
    { std::lock_guard lock(mutex_); }
    wake_.notify_all();
}

bool HangWatch::Idle() {
    return queue_.DriverCompleted() >= queue_.Sent();
}

void HangWatch::Run() {
    const bool cpuDevice = queue_.Context()->properties.deviceType == VK_PHYSICAL_DEVICE_TYPE_CPU;
    std::unique_lock lock(mutex_);
    uint64_t running = 0; // the serial the GPU works on, once seen
    Clock::time_point since{};
    std::chrono::nanoseconds rasterisedSince{};
    NamedThreadsCpuTime rasterised(kRasteriserThreads);
    while (!stop_) {
        if (Idle()) {
            running = 0;
            wake_.wait(lock, [this] { return stop_ || !Idle(); });
            continue;
        }
        uint64_t next = queue_.DriverCompleted() + 1;
        Clock::time_point now = Clock::now();
        // Work held back by a queue's wait for a fence is not running: the
        // GPU's time starts when the wait is over, as Windows counts it.
        if (next != running || queue_.WaitsForFence(next)) {
            running = next;
            since = now;
            rasterisedSince = cpuDevice ? rasterised.Read() : std::chrono::nanoseconds{};
        }
        Clock::time_point deadline = since + HangTimeout();
        bool hung = now >= deadline;
        if (hung && cpuDevice) {
            hung = rasterised.Read() - rasterisedSince >= HangTimeout() ||
                   now >= since + kUnrasterisedAllowance * HangTimeout();
        }
        if (hung) {
            lock.unlock();
            onHang_();
            return;
        }
        lock.unlock();
        Clock::duration left = now < deadline ? deadline - now : kLookAgain;
        queue_.WaitForDriver(next, std::min<Clock::duration>(left, kLookAgain));
        lock.lock();
    }
}

} // namespace d3d12_standin
