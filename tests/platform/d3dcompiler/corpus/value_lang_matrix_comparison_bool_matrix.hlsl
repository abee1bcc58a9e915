// Windows: comparing two matrices compares each pair of components and gives
// a bool matrix of their shape, which converts to a float matrix as 0 and 1;
// all and any read every component.
// verdict: accepted
// probe: 1 0 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comparison operators work per component, the result a bool of the operands' shape) and dx-graphics-hlsl-all, dx-graphics-hlsl-any
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x3 a = float2x3(1, 2, 3, 4, 5, 6) * one;
    float2x3 b = float2x3(2, 2, 2, 7, 7, 0);
    bool2x3 less = a < b;
    float2x3 asFloat = less;
    return float4(asFloat._11, asFloat._23, all(a == a) ? 1 : 0, any(a > b) ? 1 : 0);
}
