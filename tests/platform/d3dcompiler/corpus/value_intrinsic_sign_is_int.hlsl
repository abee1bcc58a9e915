// Windows: sign returns int components, so sign(-0.5) / 2 divides integers
// (0); sign of -0 is 0, and of NaN 0 (it is neither below nor above 0).
// verdict: accepted
// probe: 7 3 0 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sign (return type int, "-1 if x is less than zero; 0 if x equals zero; and 1 if x is greater than zero"); NaN from fxc's expansion, two lt comparisons subtracted
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float nan = asfloat(0x7FC00000u | asuint(zero));
    float2 pair = float2(position.x, -position.x);
    return float4(sign(-position.x) / 2 + 7, sign(pair).y / 2 + 3, sign(-zero), sign(nan));
}
