// Windows: NaN is nonzero, so it converts to true: any, all, a cast to bool,
// a condition and ! all read it as true.
// verdict: accepted
// probe: 1 1 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-any ("True if any components of the x parameter are non-zero"), dx-graphics-hlsl-all ("True if all components of the x parameter are non-zero") and windows/win32/direct3d11/floating-point-rules ("The comparison NE, when either or both operands is NaN returns TRUE")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero)); // a quiet NaN
    bool flag = (bool)nan;
    return float4(any(float2(nan, zero)), all(float2(nan, 1)), flag ? 1 : 0, !nan);
}
