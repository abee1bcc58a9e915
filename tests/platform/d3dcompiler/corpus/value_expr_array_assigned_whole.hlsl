// Windows: an array assigned whole is copied: later writes to the source do
// not change the copy.
// verdict: accepted
// probe: 1 3 9 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (arrays are values of their type; = assigns a value of the same type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float source[3] = { one, 2 * one, 3 * one };
    float copy[3];
    copy = source;
    source[0] = 9;
    return float4(copy[0], copy[2], source[0], 1);
}
