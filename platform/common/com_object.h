// Reference counting shared by every COM object of the stand-in.
#pragma once

#include <windows.h>

#include <atomic>

namespace standin {

// Objects alive across the whole stand-in; tests read it through the test hooks
// to check that releasing a device releases everything it made.
inline std::atomic<long> g_liveComObjects{0};

// Base of one COM class implementing `Interface` (and, through it, the chain of
// interfaces it derives from). Objects start with one reference held by the
// creator and delete themselves when the last one goes.
template <typename Interface> class ComObject : public Interface {
public:
    ComObject() { ++g_liveComObjects; }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() { --g_liveComObjects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown || Implements(riid)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }

    ULONG STDMETHODCALLTYPE Release() override {
        ULONG remaining = --references_;
        if (remaining == 0) {
            delete this;
        }
        return remaining;
    }

    ULONG ReferenceCount() const { return references_; }

protected:
    // True for every interface of the chain that this class answers to.
    virtual bool Implements(REFIID riid) const = 0;

private:
    std::atomic<ULONG> references_{1};
};

// Methods the system never calls answer E_NOTIMPL and say so once per call
// site, through the message module (platform/messages, where it is defined).
void ReportNotImplemented(const char* method);
#define STANDIN_NOT_IMPLEMENTED(name) ::standin::ReportNotImplemented(name)

} // namespace standin
