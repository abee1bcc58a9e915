// Windows: a point after a float literal followed by letters is a swizzle of
// the literal ("1.5.xx"), not a second number.
// verdict: accepted
// probe: 1.5 1.5 0 1
// group: syntax
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (swizzles of a scalar: components x, xx, ...)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 pair = 1.5.xx;
    return float4(pair, 0, 1);
}
