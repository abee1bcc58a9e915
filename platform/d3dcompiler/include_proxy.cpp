#include "include_proxy.h"

namespace d3dcompiler_standin {
namespace {

uint64_t AsToken(LPCVOID pointer) {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(pointer));
}

LPCVOID AsPointer(uint64_t token) {
    return reinterpret_cast<LPCVOID>(static_cast<uintptr_t>(token));
}

std::string Reply(HRESULT hr) {
    std::string payload;
    PutU64(&payload, static_cast<uint32_t>(hr));
    return payload;
}

HRESULT ReplyResult(const std::string& payload, size_t* at) {
    uint64_t hr = 0;
    return GetU64(payload, at, &hr) ? static_cast<HRESULT>(static_cast<uint32_t>(hr)) : E_FAIL;
}

} // namespace

HRESULT IncludeProxy::Open(D3D_INCLUDE_TYPE type, LPCSTR name, LPCVOID parentData, LPCVOID* data,
                           UINT* bytes) {
    auto parent = opened_.find(parentData);
    std::string request;
    PutU64(&request, static_cast<uint64_t>(type));
    PutU64(&request, parent != opened_.end() ? parent->second->callerData : 0);
    PutBytes(&request, name, std::char_traits<char>::length(name));
    FrameKind kind;
    std::string reply;
    if (!SendFrame(socket_, FrameKind::IncludeOpen, request) ||
        !ReceiveFrame(socket_, &kind, &reply) || kind != FrameKind::Reply) {
        return E_FAIL;
    }
    size_t at = 0;
    const HRESULT hr = ReplyResult(reply, &at);
    auto opened = std::make_unique<Opened>();
    if (FAILED(hr) || !GetU64(reply, &at, &opened->callerData) ||
        !GetBytes(reply, &at, &opened->bytes)) {
        return FAILED(hr) ? hr : E_FAIL;
    }
    *data = opened->bytes.data();
    *bytes = static_cast<UINT>(opened->bytes.size());
    opened_[*data] = std::move(opened);
    return hr;
}

HRESULT IncludeProxy::Close(LPCVOID data) {
    auto opened = opened_.find(data);
    if (opened == opened_.end()) {
        return E_FAIL;
    }
    std::string request;
    PutU64(&request, opened->second->callerData);
    opened_.erase(opened);
    FrameKind kind;
    std::string reply;
    if (!SendFrame(socket_, FrameKind::IncludeClose, request) ||
        !ReceiveFrame(socket_, &kind, &reply) || kind != FrameKind::Reply) {
        return E_FAIL;
    }
    size_t at = 0;
    return ReplyResult(reply, &at);
}

IncludeServer::~IncludeServer() {
    for (auto& [data, times] : open_) {
        for (; times > 0; --times) {
            handler_->Close(data);
        }
    }
}

bool IncludeServer::Serve(FrameKind kind, const std::string& payload, int socket) {
    size_t at = 0;
    uint64_t first = 0;
    if (!GetU64(payload, &at, &first)) {
        return SendFrame(socket, FrameKind::Reply, Reply(E_INVALIDARG));
    }
    if (kind == FrameKind::IncludeClose) {
        auto open = open_.find(AsPointer(first));
        if (open == open_.end()) {
            return SendFrame(socket, FrameKind::Reply, Reply(E_INVALIDARG));
        }
        if (--open->second == 0) {
            open_.erase(open);
        }
        return SendFrame(socket, FrameKind::Reply, Reply(handler_->Close(AsPointer(first))));
    }
    uint64_t parent = 0;
    std::string name;
    if (!GetU64(payload, &at, &parent) || !GetBytes(payload, &at, &name)) {
        return SendFrame(socket, FrameKind::Reply, Reply(E_INVALIDARG));
    }
    LPCVOID data = nullptr;
    UINT bytes = 0;
    const HRESULT hr = handler_->Open(static_cast<D3D_INCLUDE_TYPE>(first), name.c_str(),
                                      AsPointer(parent), &data, &bytes);
    std::string reply = Reply(hr);
    if (SUCCEEDED(hr)) {
        ++open_[data];
        PutU64(&reply, AsToken(data));
        PutBytes(&reply, data, data != nullptr ? bytes : 0);
    }
    return SendFrame(socket, FrameKind::Reply, reply);
}

} // namespace d3dcompiler_standin
