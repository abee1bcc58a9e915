// The stand-in objects of one kind that are alive, so that a pointer handed in
// by a caller can be checked before it is treated as one of ours.
#pragma once

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
    }
    bool Contains(const void* object) {
        std::lock_guard lock(mutex_);
        return objects_.count(static_cast<T*>(const_cast<void*>(object))) != 0;
    }

private:
    std::mutex mutex_;
    std::unordered_set<T*> objects_;
};

} // namespace d3d12_standin
