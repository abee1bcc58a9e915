// Texels written out as the bytes a resource holds them in, lowest first.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

// 16-bit values, each lowest byte first.
inline std::vector<uint8_t> Bytes16(std::initializer_list<uint16_t> values) {
    std::vector<uint8_t> bytes;
    for (uint16_t value : values) {
        bytes.push_back(uint8_t(value));
        bytes.push_back(uint8_t(value >> 8));
    }
    return bytes;
}

// One 32-bit value, lowest byte first.
inline std::vector<uint8_t> Bytes32(uint32_t value) {
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}
