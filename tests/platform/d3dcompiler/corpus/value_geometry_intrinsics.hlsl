// Windows: dst(a, b) is (1, a.y * b.y, a.z, b.w); reflect(i, n) is
// i - 2 * dot(i, n) * n; faceforward(n, i, ng) is -n * sign(dot(i, ng));
// determinant of a 2x2 matrix is ad - bc.
// verdict: accepted
// probe: 8 5 1 -2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-dst ("dest.y = src0.y * src1.y", "dest.w = src1.w"), dx-graphics-hlsl-reflect ("v = i - 2 * n * dot(i, n)"), dx-graphics-hlsl-faceforward ("-n * sign(dot(i, ng))") and dx-graphics-hlsl-determinant
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    float4 d = dst(float4(0, 2, 3, 0), float4(0, half * 8.0, 0, 5));
    float2 r = reflect(float2(1, -half * 2.0), float2(0, 1));
    float2 f = faceforward(float2(0, 1), float2(0, -half), float2(0, 1));
    float det = determinant(float2x2(half * 2.0, 2, 3, 4));
    return float4(d.y, d.w, r.y * f.y, det);
}
