#include "render_target_clear_colour.h"

#include "format_channels.h"

#include <algorithm>
#include <cmath>

namespace d3d12_standin {
namespace {

// A float with `mantissaBits` bits of mantissa and five of exponent, as the
// 16-, 11- and 10-bit formats have: towards zero, the largest finite value
// for what lies past it (a lower-range conversion never rounds to infinity).
float ToSmallFloat(float value, int mantissaBits, bool signedFormat) {
    if (std::isnan(value) || (signedFormat && std::isinf(value))) {
        return value;
    }
    if (!signedFormat && (value < 0.0f || std::signbit(value))) {
        return 0.0f;
    }
    if (std::isinf(value)) {
        return value;
    }
    const float largest = std::ldexp(2.0f - std::ldexp(1.0f, -mantissaBits), 15);
    const float smallestNormal = std::ldexp(1.0f, -14);
    float magnitude = std::fabs(value);
    if (magnitude >= largest) {
        magnitude = largest;
    } else {
        int exponent = 0;
        std::frexp(std::max(magnitude, smallestNormal), &exponent);
        const float step = std::ldexp(1.0f, exponent - 1 - mantissaBits);
        magnitude = std::floor(magnitude / step) * step;
    }
    return std::copysign(magnitude, value);
}

float Convert(float value, const Channel& channel, ChannelType type) {
    const bool nan = std::isnan(value);
    switch (type) {
    case ChannelType::Unorm: {
        const float top = float((1u << channel.bits) - 1);
        return nan ? 0.0f : std::floor(std::clamp(value, 0.0f, 1.0f) * top + 0.5f) / top;
    }
    case ChannelType::Snorm: {
        const float top = float((1u << (channel.bits - 1)) - 1);
        const float scaled = nan ? 0.0f : std::clamp(value, -1.0f, 1.0f) * top;
        return (scaled >= 0 ? std::floor(scaled + 0.5f) : std::ceil(scaled - 0.5f)) / top;
    }
    case ChannelType::Srgb:
        return nan ? 0.0f : std::clamp(value, 0.0f, 1.0f); // Vulkan encodes it
    case ChannelType::Uint:
    case ChannelType::Sint: {
        const bool sint = type == ChannelType::Sint;
        const double top = std::ldexp(1.0, int(channel.bits) - (sint ? 1 : 0)) - 1;
        const double bottom = sint ? -top - 1 : 0.0;
        return nan ? 0.0f : float(std::clamp(std::nearbyint(double(value)), bottom, top));
    }
    case ChannelType::Float:
        if (channel.bits == 16) {
            return ToSmallFloat(value, 10, true);
        }
        return channel.bits < 16 ? ToSmallFloat(value, int(channel.bits) - 5, false) : value;
    }
    return value;
}

} // namespace

void StoredClearColour(DXGI_FORMAT format, const float colour[4], float stored[4]) {
    std::copy(colour, colour + 4, stored);
    Layout layout;
    if (!ReadLayout(format, &layout)) {
        return;
    }
    for (uint32_t i = 0; i < layout.count; ++i) {
        const Channel& channel = layout.channels[i];
        if (channel.value >= 0) {
            stored[channel.value] = Convert(colour[channel.value], channel, layout.type);
        }
    }
}

} // namespace d3d12_standin
