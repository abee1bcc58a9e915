// Windows: exp2 and log2 are exact at powers of two; log of a negative
// value is NaN; exp(0) is 1.
// verdict: accepted
// probe: 8 -2 1 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-exp2, dx-graphics-hlsl-log2 and windows/win32/direct3d11/floating-point-rules ("log of a negative value produces NaN" by IEEE rules)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float zero = h - 0.5;
    return float4(exp2(h * 6.0), log2(h * 0.5), isnan(log(-h)), exp(zero));
}
