// Windows: min and max of double vectors compare per component in double precision, and where one operand is NaN they give the other.
// verdict: accepted
// probe: 2 1 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dmin--sm5---asm- and dmax--sm5---asm- ("If one source operand is NaN, then the other source operand is returned"; dmax: src0 >= src1 ? src0 : src1), which Windows' compiler writes for min and max of doubles, and dx-graphics-hlsl-asdouble
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    double one = (double)(position.x * 2.0);
    double nan = asdouble(zero, 0x7FF80000u);
    double2 big = double2(16777216.0, 33554432.0) * one;
    double2 high = max(big + double2(one, one * 2.0), big) - big;
    return float4((float)high.y, (float)high.x, (float)min(nan, one), (float)max(one, nan));
}
