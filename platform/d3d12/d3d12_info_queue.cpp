#include "d3d12_info_queue.h"

#include "debug_layer.h"

#include <debug_messages.h>

#include <cstring>

namespace d3d12_standin {
namespace {

// Filters, breaks and limits the stand-in does not carry out: accepted calls
// that change nothing would read as done, so they say so once.
HRESULT NotCarriedOut(const char* method) {
    standin::ReportNotImplemented(method);
    return E_NOTIMPL;
}

} // namespace

HRESULT STDMETHODCALLTYPE D3D12InfoQueue::SetMessageCountLimit(UINT64) {
    return NotCarriedOut("ID3D12InfoQueue::SetMessageCountLimit");
}

void STDMETHODCALLTYPE D3D12InfoQueue::ClearStoredMessages() {
    standin::ClearStoredMessages();
}

HRESULT STDMETHODCALLTYPE D3D12InfoQueue::GetMessage(UINT64 index, D3D12_MESSAGE* message,
                                                     SIZE_T* length) {
    standin::StoredMessage stored;
    if (length == nullptr || !standin::GetStoredMessage(size_t(index), &stored)) {
        return E_INVALIDARG;
    }
    // The description follows the structure in the caller's buffer, as on Windows.
    SIZE_T needed = sizeof(D3D12_MESSAGE) + stored.description.size() + 1;
    if (message == nullptr) {
        *length = needed;
        return S_FALSE;
    }
    if (*length < needed) {
        return E_INVALIDARG;
    }
    char* text = reinterpret_cast<char*>(message + 1);
    std::memcpy(text, stored.description.c_str(), stored.description.size() + 1);
    message->Category = stored.category;
    message->Severity = stored.severity;
    message->ID = stored.id;
    message->pDescription = text;
    message->DescriptionByteLength = stored.description.size() + 1;
    *length = needed;
    return S_OK;
}

UINT64 STDMETHODCALLTYPE D3D12InfoQueue::GetNumMessagesAllowedByStorageFilter() {
    return standin::StoredMessageCount();
}

UINT64 STDMETHODCALLTYPE D3D12InfoQueue::GetNumStoredMessages() {
    return standin::StoredMessageCount();
}

UINT64 STDMETHODCALLTYPE D3D12InfoQueue::GetNumStoredMessagesAllowedByRetrievalFilter() {
    return standin::StoredMessageCount();
}

UINT64 STDMETHODCALLTYPE D3D12InfoQueue::GetMessageCountLimit() {
    return standin::kStoredMessageLimit;
}

HRESULT STDMETHODCALLTYPE D3D12InfoQueue::AddStorageFilterEntries(D3D12_INFO_QUEUE_FILTER*) {
    return NotCarriedOut("ID3D12InfoQueue::AddStorageFilterEntries");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::GetStorageFilter(D3D12_INFO_QUEUE_FILTER*, SIZE_T*) {
    return NotCarriedOut("ID3D12InfoQueue::GetStorageFilter");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::PushStorageFilter(D3D12_INFO_QUEUE_FILTER*) {
    return NotCarriedOut("ID3D12InfoQueue::PushStorageFilter");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::AddRetrievalFilterEntries(D3D12_INFO_QUEUE_FILTER*) {
    return NotCarriedOut("ID3D12InfoQueue::AddRetrievalFilterEntries");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::GetRetrievalFilter(D3D12_INFO_QUEUE_FILTER*, SIZE_T*) {
    return NotCarriedOut("ID3D12InfoQueue::GetRetrievalFilter");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::PushRetrievalFilter(D3D12_INFO_QUEUE_FILTER*) {
    return NotCarriedOut("ID3D12InfoQueue::PushRetrievalFilter");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::AddMessage(D3D12_MESSAGE_CATEGORY, D3D12_MESSAGE_SEVERITY,
                                                     D3D12_MESSAGE_ID, LPCSTR) {
    return NotCarriedOut("ID3D12InfoQueue::AddMessage");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::AddApplicationMessage(D3D12_MESSAGE_SEVERITY, LPCSTR) {
    return NotCarriedOut("ID3D12InfoQueue::AddApplicationMessage");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::SetBreakOnCategory(D3D12_MESSAGE_CATEGORY, BOOL) {
    return NotCarriedOut("ID3D12InfoQueue::SetBreakOnCategory");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::SetBreakOnSeverity(D3D12_MESSAGE_SEVERITY, BOOL) {
    return NotCarriedOut("ID3D12InfoQueue::SetBreakOnSeverity");
}
HRESULT STDMETHODCALLTYPE D3D12InfoQueue::SetBreakOnID(D3D12_MESSAGE_ID, BOOL) {
    return NotCarriedOut("ID3D12InfoQueue::SetBreakOnID");
}

void STDMETHODCALLTYPE D3D12Debug::EnableDebugLayer() {
    ForceDebugLayer();
}

} // namespace d3d12_standin

HRESULT WINAPI D3D12GetDebugInterface(REFIID riid, void** debug) {
    if (debug != nullptr) {
        *debug = nullptr;
    }
    auto* made = new d3d12_standin::D3D12Debug();
    if (debug == nullptr) {
        made->Release();
        return S_FALSE;
    }
    HRESULT result = made->QueryInterface(riid, debug);
    made->Release();
    return result;
}
