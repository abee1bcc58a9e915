// A DXGI format's channels as its name lays them out, for the code that
// packs or converts values channel by channel.
#pragma once

#include <windows.h>

#include <dxgiformat.h>

#include <cstdint>

namespace d3d12_standin {

enum class ChannelType { Uint, Sint, Unorm, Snorm, Float, Srgb };

// A format's channels from its name, lowest bits first, as DXGI names them
// ("B8G8R8A8_UNORM": blue in bits 0 to 7); X channels are padding.
struct Channel {
    int value; // 0 to 3 for R, G, B, A; -1 for padding
    uint32_t bits;
};
struct Layout {
    Channel channels[4];
    uint32_t count = 0;
    ChannelType type = ChannelType::Uint;
};

// False for formats without such a name: block-compressed, depth and
// shared-exponent formats, and those outside the table.
bool ReadLayout(DXGI_FORMAT format, Layout* layout);

} // namespace d3d12_standin
