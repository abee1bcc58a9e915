// Windows: initialisers holding casts, conditionals, constructors and swizzles
// compile.
// verdict: accepted
// probe: 2 1.5 3 1
// group: syntax
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (a declaration's initial value is an expression)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float a = position.w > 1 ? (float)2 : 3, b = float2(position.x, 1).x * 3;
    int c = (int)(position.w + 1.0);
    return float4(a, b, c, position.w * 0.5);
}
