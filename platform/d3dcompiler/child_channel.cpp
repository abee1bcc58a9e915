#include "child_channel.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace d3dcompiler_standin {
namespace {

constexpr size_t kHeaderBytes = 1 + sizeof(uint64_t);

bool SendAll(int socket, const char* bytes, size_t size) {
    while (size > 0) {
        const ssize_t sent = send(socket, bytes, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        bytes += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

bool ReceiveAll(int socket, char* bytes, size_t size) {
    while (size > 0) {
        const ssize_t got = recv(socket, bytes, size, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}

std::string Header(FrameKind kind, uint64_t size) {
    std::string header(1, static_cast<char>(kind));
    PutU64(&header, size);
    return header;
}

} // namespace

bool SendFrame(int socket, FrameKind kind, const std::string& payload) {
    const std::string header = Header(kind, payload.size());
    return SendAll(socket, header.data(), header.size()) &&
           SendAll(socket, payload.data(), payload.size());
}

bool ReceiveFrame(int socket, FrameKind* kind, std::string* payload) {
    std::string header(kHeaderBytes, '\0');
    if (!ReceiveAll(socket, header.data(), header.size())) {
        return false;
    }
    size_t at = 1;
    uint64_t size = 0;
    GetU64(header, &at, &size);
    *kind = static_cast<FrameKind>(header[0]);
    payload->resize(size);
    return ReceiveAll(socket, payload->data(), size);
}

bool TakeFrame(std::string* buffer, FrameKind* kind, std::string* payload) {
    size_t at = 1;
    uint64_t size = 0;
    if (!GetU64(*buffer, &at, &size) || buffer->size() - at < size) {
        return false;
    }
    *kind = static_cast<FrameKind>((*buffer)[0]);
    payload->assign(*buffer, at, size);
    buffer->erase(0, at + size);
    return true;
}

void PutU64(std::string* out, uint64_t value) {
    out->append(reinterpret_cast<const char*>(&value), sizeof(value));
}

void PutBytes(std::string* out, const void* data, uint64_t size) {
    PutU64(out, size);
    out->append(static_cast<const char*>(data), size);
}

bool GetU64(const std::string& in, size_t* at, uint64_t* value) {
    if (*at > in.size() || in.size() - *at < sizeof(*value)) {
        return false;
    }
    std::memcpy(value, in.data() + *at, sizeof(*value));
    *at += sizeof(*value);
    return true;
}

bool GetBytes(const std::string& in, size_t* at, std::string* bytes) {
    uint64_t size = 0;
    if (!GetU64(in, at, &size) || in.size() - *at < size) {
        return false;
    }
    bytes->assign(in, *at, size);
    *at += size;
    return true;
}

} // namespace d3dcompiler_standin
