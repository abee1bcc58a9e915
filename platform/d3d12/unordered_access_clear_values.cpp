#include "unordered_access_clear_values.h"

#include "format_channels.h"
#include "format_table.h"

#include <cmath>
#include <cstring>
#include <string>

namespace d3d12_standin {
namespace {

uint64_t Mask(uint32_t bits) {
    return bits >= 64 ? ~0ull : (1ull << bits) - 1;
}

// Round to nearest even, as Direct3D converts floats to 16-bit floats.
uint16_t HalfBits(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    const uint32_t sign = (bits >> 16) & 0x8000;
    const int32_t exponent = int32_t((bits >> 23) & 0xFF) - 127 + 15;
    uint32_t mantissa = bits & 0x7FFFFF;
    if (((bits >> 23) & 0xFF) == 0xFF) {
        return uint16_t(sign | 0x7C00 | (mantissa != 0 ? 0x200 : 0));
    }
    if (exponent >= 31) {
        return uint16_t(sign | 0x7C00);
    }
    if (exponent <= 0) {
        if (exponent < -10) {
            return uint16_t(sign);
        }
        mantissa |= 0x800000;
        const uint32_t shift = uint32_t(14 - exponent);
        uint32_t half = mantissa >> shift;
        const uint32_t rest = mantissa & ((1u << shift) - 1), halfway = 1u << (shift - 1);
        half += rest > halfway || (rest == halfway && (half & 1)) ? 1 : 0;
        return uint16_t(sign | half);
    }
    uint32_t half = (uint32_t(exponent) << 10) | (mantissa >> 13);
    const uint32_t rest = mantissa & 0x1FFF;
    half += rest > 0x1000 || (rest == 0x1000 && (half & 1)) ? 1 : 0;
    return uint16_t(sign | half);
}

float LinearToSrgb(float value) {
    return value <= 0.0031308f ? value * 12.92f : 1.055f * std::pow(value, 1.0f / 2.4f) - 0.055f;
}

// One float in a channel of `bits` bits of `type`, as raw bits.
uint64_t ConvertFloat(float value, uint32_t bits, ChannelType type) {
    if (std::fpclassify(value) == FP_SUBNORMAL) {
        value = 0.0f;
    }
    const double top = double(Mask(bits));
    switch (type) {
    case ChannelType::Float:
        if (bits == 32) {
            uint32_t raw;
            std::memcpy(&raw, &value, 4);
            return raw;
        }
        return bits == 16 ? HalfBits(value) : 0;
    case ChannelType::Srgb:
        value = LinearToSrgb(std::isnan(value) ? 0.0f : std::fmin(std::fmax(value, 0.0f), 1.0f));
        [[fallthrough]];
    case ChannelType::Unorm:
        return std::isnan(value)
                   ? 0
                   : uint64_t(std::lround(std::fmin(std::fmax(value, 0.0f), 1.0f) * top));
    case ChannelType::Snorm: {
        const double half = double(Mask(bits - 1));
        double scaled = std::isnan(value) ? 0.0 : std::fmin(std::fmax(value, -1.0f), 1.0f) * half;
        return uint64_t(int64_t(std::lround(scaled)));
    }
    case ChannelType::Uint:
        return std::isnan(value) || value <= 0.0f ? 0 : uint64_t(std::fmin(double(value), top));
    case ChannelType::Sint: {
        const double limit = double(Mask(bits - 1));
        return std::isnan(value)
                   ? 0
                   : uint64_t(int64_t(std::fmin(std::fmax(double(value), -limit - 1), limit)));
    }
    }
    return 0;
}

// Floats are converted to 16- and 32-bit floats only (not to 11- and 10-bit ones).
template <typename Convert> ClearElement Pack(DXGI_FORMAT format, bool floats, Convert convert) {
    Layout layout;
    ClearElement element;
    if (!ReadLayout(format, &layout)) {
        return element;
    }
    for (uint32_t i = 0; floats && layout.type == ChannelType::Float && i < layout.count; ++i) {
        if (layout.channels[i].bits != 16 && layout.channels[i].bits != 32) {
            return element;
        }
    }
    uint32_t offset = 0;
    for (uint32_t i = 0; i < layout.count; ++i) {
        const Channel& channel = layout.channels[i];
        uint64_t raw = channel.value >= 0 ? convert(channel, layout.type) & Mask(channel.bits) : 0;
        for (uint32_t bit = 0; bit < channel.bits; ++bit, ++offset) {
            if (offset < 128 && ((raw >> bit) & 1) != 0) {
                element.bytes[offset / 8] |= uint8_t(1u << (offset % 8));
            }
        }
    }
    element.size = (offset + 7) / 8;
    return element;
}

} // namespace

ClearElement UintClearElement(DXGI_FORMAT format, const UINT values[4]) {
    return Pack(format, false, [values](const Channel& channel, ChannelType) {
        return uint64_t(values[channel.value]);
    });
}

ClearElement FloatClearElement(DXGI_FORMAT format, const FLOAT values[4]) {
    return Pack(format, true, [values](const Channel& channel, ChannelType type) {
        return ConvertFloat(values[channel.value], channel.bits, type);
    });
}

} // namespace d3d12_standin
