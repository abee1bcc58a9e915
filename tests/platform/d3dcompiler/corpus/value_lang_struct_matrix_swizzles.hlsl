// Windows: a structure's matrix member takes multi-element swizzles for
// reads and writes, also on a structure returned by a function.
// verdict: accepted
// probe: 7 8 3 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix swizzles "_m00_m11"; a swizzle may be written) and dx-graphics-hlsl-struct
#include "probe_stages.hlsli"
struct Frame
{
    float2x2 m;
    float w;
};
Frame MakeFrame(float one)
{
    Frame f;
    f.m = float2x2(one, 2, 3, 4);
    f.w = 5;
    return f;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Frame f = MakeFrame(one);
    f.m._m00_m11 = float2(7, 8);
    float2 diagonal = f.m._11_22;
    float2 off = MakeFrame(one).m._21_12; // 3 2
    return float4(diagonal, off.x, f.w);
}
