// Windows: a postfix increment gives the value before it, a prefix one the
// value after; both change the variable.
// verdict: accepted
// probe: 1 3 3 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (prefix and postfix ++ and -- as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = (int)(position.x * 2.0);
    int before = i++;
    int after = ++i;
    int down = i--;
    return float4(before, after, down, i - 1);
}
