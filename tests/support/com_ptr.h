// An owning pointer for COM objects in tests: the reference goes when the
// pointer does, so a test that stops at a failed assertion releases what it
// made before the fixture counts live objects.
#pragma once

#include <utility>

template <typename T> class ComPtr {
public:
    ComPtr() = default;
    // Takes over the reference `object` carries.
    explicit ComPtr(T* object) : object_(object) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    operator T*() const { return object_; }
    // For calls that take an array of pointers, such as SetDescriptorHeaps.
    T* const* GetAddressOf() const { return &object_; }

    // Releases what is held and takes `object` (its reference) instead.
    void Reset(T* object = nullptr) {
        if (object_ != nullptr) {
            object_->Release();
        }
        object_ = object;
    }
    // For creation functions: releases what is held and returns the slot they fill.
    T** Put() {
        Reset();
        return &object_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

private:
    T* object_ = nullptr;
};
