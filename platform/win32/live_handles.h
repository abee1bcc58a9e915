// The handles of one kind not yet closed. A handle is looked up here before
// it is used, so a closed or foreign handle is refused instead of read, as
// Windows refuses it with ERROR_INVALID_HANDLE.
#pragma once

#include <mutex>
#include <unordered_set>

namespace win32_standin {

template <typename Object> class LiveHandles {
public:
    void Add(Object* object) {
        std::lock_guard lock(mutex_);
        handles_.insert(object);
    }
    // The object behind `handle`, or null when it is not a live one of this kind.
    Object* Find(const void* handle) {
        std::lock_guard lock(mutex_);
        return handles_.count(handle) != 0 ? static_cast<Object*>(const_cast<void*>(handle))
                                           : nullptr;
    }
    // Takes `handle` out and returns its object, or null as Find does.
    Object* Remove(const void* handle) {
        std::lock_guard lock(mutex_);
        return handles_.erase(handle) != 0 ? static_cast<Object*>(const_cast<void*>(handle))
                                           : nullptr;
    }

private:
    std::mutex mutex_;
    std::unordered_set<const void*> handles_;
};

} // namespace win32_standin
