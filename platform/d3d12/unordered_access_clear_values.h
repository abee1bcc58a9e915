// The bytes one element of an unordered-access view holds once
// ClearUnorderedAccessViewUint or ClearUnorderedAccessViewFloat has run.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <array>
#include <cstdint>

namespace d3d12_standin {

struct ClearElement {
    std::array<uint8_t, 16> bytes{};
    uint32_t size = 0; // 0: the format's elements cannot be cleared this way
};

// Uint: the low bits of each value, as many as its channel has, unconverted.
ClearElement UintClearElement(DXGI_FORMAT format, const UINT values[4]);
// Float: each value converted to its channel's type (denormals flushed to 0).
ClearElement FloatClearElement(DXGI_FORMAT format, const FLOAT values[4]);

} // namespace d3d12_standin
