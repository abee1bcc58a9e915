// Windows: the integer and bit intrinsics of shader model 5 on scalars and
// vectors of int and uint.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-intrinsic-functions (countbits, firstbithigh, firstbitlow, reversebits, msad4, D3DCOLORtoUBYTE4, f32tof16, f16tof32, asint, asuint, asfloat; abs, min, max, clamp, mad, sign and dot take int)
float Shade(float y)
{
    uint2 u = asuint(float2(y, 1.0 - y));
    int3 i = asint(float3(y, -y, 0.5)) >> 8;
    uint bits = countbits(u).x + firstbithigh(u).y + firstbitlow(u.x) + reversebits(u).x;
    int total = abs(i).x + min(i, 3).y + max(i.x, -2) + clamp(i.z, 0, 9) + mad(i.x, 2, 1) + sign(i).z + dot(i, i);
    uint4 sad = msad4(u.x, u, uint4(0, 1, 2, 3));
    int4 bytes = D3DCOLORtoUBYTE4(float4(y, y, y, 1.0));
    float unpacked = f16tof32(f32tof16(y)) + asfloat(u.x) + asfloat(i.y);
    return (bits + total + sad.w + bytes.x) * 1.0e-9 + unpacked * 0.25;
}
#include "shade_stages.hlsli"
