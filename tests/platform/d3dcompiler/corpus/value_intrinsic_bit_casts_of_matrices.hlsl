// Windows: asuint, asint and asfloat take matrices, reinterpreting each
// component's bits: asuint(1.0) is 1065353216 (0x3F800000), asint(-1.0) is
// -1082130432, and asfloat gives the floats back.
// verdict: accepted
// probe: 4 1 1 0.5
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-asuint, dx-graphics-hlsl-asint, dx-graphics-hlsl-asfloat (the parameter "x: the input value", of scalar, vector or matrix type; the result of the same dimension); IEEE 754 single precision bits
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(1, 2, 0.5, -2) * one;
    uint2x2 u = asuint(m);
    int2x2 i = asint(-m);
    float2x2 back = asfloat(u);
    float2x2 built = asfloat(uint2x2(1065353216, 1073741824, 0, 1082130432));
    return float4(built._22, u._12 - u._11 == 8388608u, i._11 == -1082130432, back._21);
}
