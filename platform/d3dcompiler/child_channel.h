// The stream between a compile's child process and its caller: frames of a
// kind byte, a 64-bit length and that many bytes, on one socket each way.
#pragma once

#include <cstdint>
#include <string>

namespace d3dcompiler_standin {

enum class FrameKind : uint8_t {
    Report = 1,       // child -> caller: the compile's result, last
    IncludeOpen = 2,  // child -> caller: ID3DInclude::Open, answered by a reply
    IncludeClose = 3, // child -> caller: ID3DInclude::Close, answered by a reply
    Reply = 4,        // caller -> child
};

// False when the other end is gone. Never raises SIGPIPE.
bool SendFrame(int socket, FrameKind kind, const std::string& payload);

// Blocks for one whole frame; false at the end of the stream or on an error.
bool ReceiveFrame(int socket, FrameKind* kind, std::string* payload);

// Takes whole frames off the front of `buffer`, as bytes arrive in it.
bool TakeFrame(std::string* buffer, FrameKind* kind, std::string* payload);

// Fixed-size values and sized byte strings inside a payload.
void PutU64(std::string* out, uint64_t value);
void PutBytes(std::string* out, const void* data, uint64_t size);
bool GetU64(const std::string& in, size_t* at, uint64_t* value);
bool GetBytes(const std::string& in, size_t* at, std::string* bytes);

} // namespace d3dcompiler_standin
