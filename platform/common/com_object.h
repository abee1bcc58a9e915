// Reference counting shared by every COM object of the stand-in.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <mutex>
#include <set>
#include <string>
#include <typeinfo>

namespace standin {

// Objects alive across the whole stand-in; tests read it through the test hooks
// to check that releasing a device releases everything it made.
inline std::atomic<long> g_liveComObjects{0};

// Says once per interface ID, on stderr, that `object`'s class was asked for
// an interface it does not answer to: such a request usually means the caller
// wants something the stand-in lacks.
inline void ReportUnknownInterface(const std::type_info& object, REFIID riid,
                                   std::set<std::string>& reported, std::mutex& mutex) {
    char id[40];
    std::snprintf(id, sizeof id, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  unsigned(riid.Data1), unsigned(riid.Data2), unsigned(riid.Data3), riid.Data4[0],
                  riid.Data4[1], riid.Data4[2], riid.Data4[3], riid.Data4[4], riid.Data4[5],
                  riid.Data4[6], riid.Data4[7]);
    {
        std::lock_guard lock(mutex);
        if (!reported.insert(id).second) {
            return;
        }
    }
    int status = 0;
    char* name = abi::__cxa_demangle(object.name(), nullptr, nullptr, &status);
    std::fprintf(stderr, "%s::QueryInterface: interface %s not implemented by the stand-in\n",
                 status == 0 ? name : object.name(), id);
    std::free(name);
}

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
        static std::mutex mutex;
        static std::set<std::string> reported;
        ReportUnknownInterface(typeid(*this), riid, reported, mutex);
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
