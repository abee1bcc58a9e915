// Windows: && and || on vectors work per component and give a bool vector;
// a float component is true where it is nonzero.
// verdict: accepted
// probe: 1 0 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (boolean math operators "operate on a per-component basis"; "HLSL expressions never short-circuit an evaluation because they are vector operations")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2 a = float2(1, 0) * one;
    float2 b = float2(2, 3) * one;
    bool2 both = a && b;
    bool2 either = a || float2(0, 0.5);
    return float4(both.x, both.y, either.x, either.y);
}
