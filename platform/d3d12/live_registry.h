// The stand-in objects of one kind that are alive, so that a pointer handed in
// by a caller can be checked before it is treated as one of ours.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <unordered_set>

namespace d3d12_standin {

template <typename T> class LiveRegistry {
public:
    void Add(T* object) {
        std::lock_guard lock(mutex_);
        objects_.insert(object);
    }
    void Remove(T* object) {
        std::lock_guard lock(mutex_);
        objects_.erase(object);
        removals_.fetch_add(1, std::memory_order_release);
    }
    bool Contains(const void* object) {
        // Each thread remembers the last object it found: while nothing has
        // been removed since, that object is still alive, and the set is not
        // locked and searched again (a list's calls name the same pipeline,
        // root signature and heap over and over).
        LastFound& last = lastFound_;
        if (object != nullptr && last.object == object && last.registry == this &&
            last.removals == removals_.load(std::memory_order_acquire)) {
            return true;
        }
        std::lock_guard lock(mutex_);
        const bool found = objects_.count(static_cast<T*>(const_cast<void*>(object))) != 0;
        if (found) {
            last = {this, object, removals_.load(std::memory_order_relaxed)};
        }
        return found;
    }

private:
    struct LastFound {
        const LiveRegistry* registry = nullptr;
        const void* object = nullptr;
        uint64_t removals = 0;
    };
    static inline thread_local LastFound lastFound_;

    std::mutex mutex_;
    std::unordered_set<T*> objects_;
    std::atomic<uint64_t> removals_{0}; // changes whenever an object leaves
};

} // namespace d3d12_standin
