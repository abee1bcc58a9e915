// Windows: unorm float and snorm float locals hold values in their ranges as
// floats.
// verdict: accepted
// probe: 0.25 -0.5 0.5 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (snorm float: -1 to 1, unorm float: 0 to 1, 32-bit floats)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    unorm float u = 0.25 * one;
    snorm float2 s = float2(-0.5, 0.5) * one;
    return float4(u, s, 1);
}
