// Windows: shader model 5's bit and conversion intrinsics.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-intrinsic-functions (countbits, firstbithigh, firstbitlow, reversebits, f32tof16, f16tof32, asuint, asint, mad, rcp, fma on double excluded)
float Shade(float y)
{
    uint bits = asuint(y);
    uint count = countbits(bits) + firstbithigh(bits) + firstbitlow(bits) + reversebits(bits);
    float back = f16tof32(f32tof16(y));
    float product = mad(y, 0.5, 0.25) + rcp(2.0) + asint(0.0);
    return back * 0.25 + product + (count & 1) * 0.0;
}
#include "shade_stages.hlsli"
