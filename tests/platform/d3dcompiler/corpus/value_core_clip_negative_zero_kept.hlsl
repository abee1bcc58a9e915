// Windows: clip discards where any component is less than zero; -0.0 is not,
// so the pixel is written.
// verdict: accepted
// probe: 1 2 3 4
// clear: 0.25 0.5 0.75 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-clip ("Discards the current pixel if the specified value is less than zero"; "if any component of x is less than zero"); IEEE 754 orders -0 equal to 0
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    clip(float4(one, 0.0, -0.0 * one, 2.0));
    clip(-0.0 * one);
    return float4(1, 2, 3, 4) * one;
}
