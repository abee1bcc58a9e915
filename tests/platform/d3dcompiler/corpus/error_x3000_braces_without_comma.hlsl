// Windows: a brace list must stand where an element begins, after a comma; "{1 {2}}" is a syntax error.
// verdict: compile-error PSMain X3000
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Initial Value: "{ expression [, expression [, ...]] }": elements are separated by commas)
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    float2 v = {1 {2}};
    return float4(v, 0, 1);
}
