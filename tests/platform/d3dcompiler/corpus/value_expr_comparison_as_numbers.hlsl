// Windows: a vector comparison gives a bool vector, which converts to 1 and 0
// as floats.
// verdict: accepted
// probe: 1 0 1 0
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comparison operators per component) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (bool to float: 1 or 0)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 a = float4(1, 5, 2, 8) * one;
    float4 b = float4(3, 4, 6, 7) * one;
    float4 r = a < b;
    return r;
}
