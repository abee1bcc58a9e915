// Windows: mul of a float2x3 and a float3x2 is their float2x2 product.
// verdict: accepted
// probe: 4 5 10 11
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (matrix times matrix: "Matrix. Type is float rows-of-x by columns-of-y")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float2x3 a = float2x3(1, 2, 3, 4, 5, h * 12.0);
    float3x2 b = float3x2(1, 0, 0, h * 2.0, 1, 1);
    float2x2 p = mul(a, b);
    return float4(p._m00, p._m01, p._m10, p._m11);
}
