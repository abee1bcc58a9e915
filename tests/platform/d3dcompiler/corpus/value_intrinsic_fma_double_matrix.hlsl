// Windows: fma takes double matrices too, component by component.
// verdict: accepted
// probe: 2 6 12 20
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-fma (a, b and c: "double" scalar, vector or matrix; the value has their dimensions)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double one = (double)(position.x * 2.0);
    double2x2 m = double2x2(one, 2.0L, 3.0L, 4.0L);
    double2x2 r = fma(m, m, m);
    return float4((float)r._m00, (float)r._m01, (float)r._m10, (float)r._m11);
}
