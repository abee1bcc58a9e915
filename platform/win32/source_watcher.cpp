#include "source_watcher.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace win32_standin {
namespace {

// How often a watch looks again for sources attached later and for a
// removed device, and how long one wait keeps the others waiting.
constexpr std::chrono::milliseconds kSlice{10};

class SourceWatcher {
public:
    void Add(SourceWatch* watch) {
        std::lock_guard lock(mutex_);
        watches_.push_back(watch);
        if (!started_) {
            std::thread([this] { Run(); }).detach();
            started_ = true;
        }
        changed_.notify_all();
    }

    void Remove(SourceWatch* watch) {
        std::unique_lock lock(mutex_);
        watches_.erase(std::remove(watches_.begin(), watches_.end(), watch), watches_.end());
        // A source being waited on may belong to an object its caller ends next.
        changed_.wait(lock, [this, watch] { return waitingFor_ != watch; });
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (size_t next = 0;; ++next) {
            changed_.wait(lock, [this] { return !watches_.empty(); });
            SourceWatch* watch = watches_[next % watches_.size()];
            std::shared_ptr<EventSource> source = watch->settle(watch->waited);
            if (source == nullptr) {
                changed_.wait_for(lock, kSlice);
                continue;
            }
            waitingFor_ = watch;
            lock.unlock();
            bool reached = source->WaitUntilReached(
                uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(kSlice).count()));
            source.reset();
            lock.lock();
            waitingFor_ = nullptr;
            if (reached && std::find(watches_.begin(), watches_.end(), watch) != watches_.end()) {
                watch->settle(watch->waited);
            }
            changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<SourceWatch*> watches_;
    SourceWatch* waitingFor_ = nullptr;
    bool started_ = false;
};

SourceWatcher& Watcher() {
    static auto* watcher = new SourceWatcher; // its thread outlives static destructors
    return *watcher;
}

} // namespace

void Watch(SourceWatch* watch) {
    Watcher().Add(watch);
}

void Unwatch(SourceWatch* watch) {
    Watcher().Remove(watch);
}

} // namespace win32_standin
