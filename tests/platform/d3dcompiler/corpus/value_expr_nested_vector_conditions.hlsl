// Windows: nested ?: with vector conditions choose per component, inner
// first.
// verdict: accepted
// probe: 1 2 3 3
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (conditional operator, right to left; per component for vectors)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 x = float4(0, 1, 2, 3) * one;
    return x < 0.5 ? 1 : (x < 1.5 ? 2 : 3);
}
