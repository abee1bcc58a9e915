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
        Attach(std::exchange(other.object_, nullptr));
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

    // Releases what is held; returns the references left, as Release does
    // (0 when nothing was held).
    unsigned long Reset() {
        return object_ != nullptr ? std::exchange(object_, nullptr)->Release() : 0;
    }
    // Releases what is held and takes over `object`'s reference instead.
    void Attach(T* object) {
        Reset();
        object_ = object;
    }
    // Hands the reference over to the caller; nothing is held after.
    T* Detach() { return std::exchange(object_, nullptr); }
    // For creation functions: releases what is held and returns the slot they fill.
    T** Put() {
        Reset();
        return &object_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

private:
    T* object_ = nullptr;
};
