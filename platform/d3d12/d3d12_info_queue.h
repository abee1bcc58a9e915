// ID3D12InfoQueue, reached through the device's QueryInterface: the messages
// the stand-in reported, read as tests on Windows read the debug layer's.
#pragma once

#include "d3d12_device_child.h"

#include <d3d12sdklayers.h>

namespace d3d12_standin {

class D3D12InfoQueue final : public standin::ComObject<ID3D12InfoQueue> {
public:
    explicit D3D12InfoQueue(D3D12Device* device) : device_(device) {}

    HRESULT STDMETHODCALLTYPE SetMessageCountLimit(UINT64) override;
    void STDMETHODCALLTYPE ClearStoredMessages() override;
    HRESULT STDMETHODCALLTYPE GetMessage(UINT64 index, D3D12_MESSAGE* message,
                                         SIZE_T* length) override;
    UINT64 STDMETHODCALLTYPE GetNumMessagesAllowedByStorageFilter() override;
    UINT64 STDMETHODCALLTYPE GetNumMessagesDeniedByStorageFilter() override { return 0; }
    UINT64 STDMETHODCALLTYPE GetNumStoredMessages() override;
    UINT64 STDMETHODCALLTYPE GetNumStoredMessagesAllowedByRetrievalFilter() override;
    UINT64 STDMETHODCALLTYPE GetNumMessagesDiscardedByMessageCountLimit() override { return 0; }
    UINT64 STDMETHODCALLTYPE GetMessageCountLimit() override;
    HRESULT STDMETHODCALLTYPE AddStorageFilterEntries(D3D12_INFO_QUEUE_FILTER*) override;
    HRESULT STDMETHODCALLTYPE GetStorageFilter(D3D12_INFO_QUEUE_FILTER*, SIZE_T*) override;
    void STDMETHODCALLTYPE ClearStorageFilter() override {}
    HRESULT STDMETHODCALLTYPE PushEmptyStorageFilter() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PushCopyOfStorageFilter() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PushStorageFilter(D3D12_INFO_QUEUE_FILTER*) override;
    void STDMETHODCALLTYPE PopStorageFilter() override {}
    UINT STDMETHODCALLTYPE GetStorageFilterStackSize() override { return 1; }
    HRESULT STDMETHODCALLTYPE AddRetrievalFilterEntries(D3D12_INFO_QUEUE_FILTER*) override;
    HRESULT STDMETHODCALLTYPE GetRetrievalFilter(D3D12_INFO_QUEUE_FILTER*, SIZE_T*) override;
    void STDMETHODCALLTYPE ClearRetrievalFilter() override {}
    HRESULT STDMETHODCALLTYPE PushEmptyRetrievalFilter() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PushCopyOfRetrievalFilter() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PushRetrievalFilter(D3D12_INFO_QUEUE_FILTER*) override;
    void STDMETHODCALLTYPE PopRetrievalFilter() override {}
    UINT STDMETHODCALLTYPE GetRetrievalFilterStackSize() override { return 1; }
    HRESULT STDMETHODCALLTYPE AddMessage(D3D12_MESSAGE_CATEGORY, D3D12_MESSAGE_SEVERITY,
                                         D3D12_MESSAGE_ID, LPCSTR) override;
    HRESULT STDMETHODCALLTYPE AddApplicationMessage(D3D12_MESSAGE_SEVERITY, LPCSTR) override;
    HRESULT STDMETHODCALLTYPE SetBreakOnCategory(D3D12_MESSAGE_CATEGORY, BOOL) override;
    HRESULT STDMETHODCALLTYPE SetBreakOnSeverity(D3D12_MESSAGE_SEVERITY, BOOL) override;
    HRESULT STDMETHODCALLTYPE SetBreakOnID(D3D12_MESSAGE_ID, BOOL) override;
    BOOL STDMETHODCALLTYPE GetBreakOnCategory(D3D12_MESSAGE_CATEGORY) override { return FALSE; }
    BOOL STDMETHODCALLTYPE GetBreakOnSeverity(D3D12_MESSAGE_SEVERITY) override { return FALSE; }
    BOOL STDMETHODCALLTYPE GetBreakOnID(D3D12_MESSAGE_ID) override { return FALSE; }
    void STDMETHODCALLTYPE SetMuteDebugOutput(BOOL) override {}
    BOOL STDMETHODCALLTYPE GetMuteDebugOutput() override { return FALSE; }

protected:
    bool Implements(REFIID riid) const override { return riid == IID_ID3D12InfoQueue; }

private:
    DeviceReference device_; // the info queue keeps its device alive
};

// ID3D12Debug from D3D12GetDebugInterface: the layer is on already; enabling
// it keeps it on even where BRENNWICK_D3D12_DEBUG_LAYER=0 turned it off.
class D3D12Debug final : public standin::ComObject<ID3D12Debug> {
public:
    void STDMETHODCALLTYPE EnableDebugLayer() override;

protected:
    bool Implements(REFIID riid) const override { return riid == IID_ID3D12Debug; }
};

} // namespace d3d12_standin
