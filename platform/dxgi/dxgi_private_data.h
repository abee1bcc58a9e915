// IDXGIObject's private data, which the system never uses: for each DXGI
// class the three methods say so once, under the interface's own name, and
// answer E_NOTIMPL.
#pragma once

#include "com_object.h"

#define STANDIN_DXGI_PRIVATE_DATA_NOT_IMPLEMENTED(Class, interfaceName)                            \
    HRESULT Class::SetPrivateData(REFGUID, UINT, const void*) {                                    \
        STANDIN_NOT_IMPLEMENTED(interfaceName "::SetPrivateData");                                 \
        return E_NOTIMPL;                                                                          \
    }                                                                                              \
    HRESULT Class::SetPrivateDataInterface(REFGUID, const IUnknown*) {                             \
        STANDIN_NOT_IMPLEMENTED(interfaceName "::SetPrivateDataInterface");                        \
        return E_NOTIMPL;                                                                          \
    }                                                                                              \
    HRESULT Class::GetPrivateData(REFGUID, UINT*, void*) {                                         \
        STANDIN_NOT_IMPLEMENTED(interfaceName "::GetPrivateData");                                 \
        return E_NOTIMPL;                                                                          \
    }
