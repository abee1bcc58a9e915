// Windows: integer literals are int, so -7 / 2 is -3 and 1 / 2 is 0 even
// beside a float; with a uint the int converts to uint; bool adds as 1.
// verdict: accepted
// probe: -3 0 4294967296 3
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar and dx-graphics-hlsl-operators ("the operands are converted to a common type", as in C: integer operands divide as integers)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    return float4(-7 * one / 2, one / 2 * 4.0, -one + 0u, true + 2 * one);
}
