// The per-frame constants at the start of the constant buffer "uniform0", in
// the layout normal.hlsl declares; the instance slots follow them. The draw
// pass writes the named fields one by one: the unused ranges keep what they
// held.
#pragma once

#include <DirectXMath.h>

#include <cstddef>
#include <cstdint>

namespace Dx12 {

struct FrameConstants {
    DirectX::XMFLOAT4X4 identity; // row by row, translation in the last row
    DirectX::XMFLOAT4X4 view;
    DirectX::XMFLOAT4X4 projection;
    float unused192[16];
    float viewportWidth;
    float viewportHeight;
    float aspect; // width / height
    int32_t int0;
    float frameClock; // seconds
    float unused276[15];
    float viewParam[4];
    float unused352[8];
};
static_assert(sizeof(FrameConstants) == 384);
static_assert(offsetof(FrameConstants, identity) == 0);
static_assert(offsetof(FrameConstants, view) == 64);
static_assert(offsetof(FrameConstants, projection) == 128);
static_assert(offsetof(FrameConstants, viewportWidth) == 256);
static_assert(offsetof(FrameConstants, viewportHeight) == 260);
static_assert(offsetof(FrameConstants, aspect) == 264);
static_assert(offsetof(FrameConstants, int0) == 268);
static_assert(offsetof(FrameConstants, frameClock) == 272);
static_assert(offsetof(FrameConstants, viewParam) == 336);

} // namespace Dx12
