// Windows: an operation of two integer literals is integer arithmetic, one of
// an integer and a float literal float arithmetic.
// verdict: accepted
// probe: 6 3.5 3.5 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (integer and float literals) and dx-graphics-hlsl-operators (integer / truncates; an int with a float converts to float)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(7 / 2 * 2 * one, 7.0 / 2 * one, 7 / 2.0 * one, 8 % 3 * one);
}
