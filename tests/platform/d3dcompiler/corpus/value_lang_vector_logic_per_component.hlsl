// Windows: &&, || and ! on vectors work per component in shader model 5.
// verdict: accepted
// probe: 1 0 0 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("Boolean math operators ... operate per component"; && and || on vectors in shader model 5, before HLSL 2021's and/or)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    bool2 a = bool2(position.x > 0.0, position.x > 1.0);
    bool2 b = bool2(true, true);
    bool2 both = a && b;
    bool2 neither = !(a || b);
    return float4(both.x, both.y, neither.x, !neither.y);
}
