// Base of every object a D3D12Device creates: keeps its device alive and
// answers the ID3D12Object / ID3D12DeviceChild methods.
#pragma once

#include "live_registry.h"

#include <com_object.h>

#include <d3d12.h>

#include <string>

namespace d3d12_standin {

class D3D12Device;

// Holds one reference on the device (COM children keep their device alive).
class DeviceReference {
public:
    explicit DeviceReference(D3D12Device* device);
    ~DeviceReference();
    DeviceReference(const DeviceReference&) = delete;
    DeviceReference& operator=(const DeviceReference&) = delete;
    D3D12Device* Get() const { return device_; }
    HRESULT Query(REFIID riid, void** object) const;

private:
    D3D12Device* device_;
};

template <typename Interface> class DeviceChild : public standin::ComObject<Interface> {
public:
    explicit DeviceChild(D3D12Device* device) : device_(device) {}

    HRESULT STDMETHODCALLTYPE GetPrivateData(REFGUID, UINT*, void*) override {
        STANDIN_NOT_IMPLEMENTED("ID3D12Object::GetPrivateData");
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPrivateData(REFGUID, UINT, const void*) override {
        STANDIN_NOT_IMPLEMENTED("ID3D12Object::SetPrivateData");
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPrivateDataInterface(REFGUID, const IUnknown*) override {
        STANDIN_NOT_IMPLEMENTED("ID3D12Object::SetPrivateDataInterface");
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetName(LPCWSTR name) override {
        name_ = name != nullptr ? std::wstring(name) : std::wstring();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDevice(REFIID riid, void** device) override {
        return device_.Query(riid, device);
    }

    D3D12Device* Device() const { return device_.Get(); }

private:
    DeviceReference device_;
    std::wstring name_;
};

// A device child that callers hand back to the stand-in: while it lives it
// can be found from its interface pointer, so that a pointer from a caller is
// checked before it is treated as a `T`.
template <typename T, typename Interface> class LiveDeviceChild : public DeviceChild<Interface> {
public:
    explicit LiveDeviceChild(D3D12Device* device) : DeviceChild<Interface>(device) {
        Registry().Add(static_cast<Interface*>(this));
    }
    ~LiveDeviceChild() override { Registry().Remove(static_cast<Interface*>(this)); }

    // Null for anything that is not a live `T`.
    static T* FromInterface(Interface* object) {
        return Registry().Contains(object) ? static_cast<T*>(object) : nullptr;
    }

private:
    // Never destroyed: objects released by other static destructors at exit
    // still remove themselves.
    static LiveRegistry<Interface>& Registry() {
        static auto* registry = new LiveRegistry<Interface>();
        return *registry;
    }
};

} // namespace d3d12_standin
