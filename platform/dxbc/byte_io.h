// Little-endian reading and writing of the 32-bit words the formats are made of.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace dxbc {

inline uint32_t ReadU32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

inline void WriteU32(uint8_t* bytes, uint32_t value) {
    bytes[0] = uint8_t(value);
    bytes[1] = uint8_t(value >> 8);
    bytes[2] = uint8_t(value >> 16);
    bytes[3] = uint8_t(value >> 24);
}

inline void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
    size_t at = out.size();
    out.resize(at + 4);
    WriteU32(out.data() + at, value);
}

inline void AppendF32(std::vector<uint8_t>& out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    AppendU32(out, bits);
}

inline float ReadF32(const uint8_t* bytes) {
    uint32_t bits = ReadU32(bytes);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

// True when [offset, offset + length) lies inside a buffer of `size` bytes.
inline bool InRange(uint64_t offset, uint64_t length, uint64_t size) {
    return offset <= size && length <= size - offset;
}

} // namespace dxbc
