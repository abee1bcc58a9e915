// Windows: a matrix cast to a vector and a vector to a matrix go row by row;
// a matrix swizzle gathers the components it names.
// verdict: accepted
// probe: 2 3 6 10
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix swizzles such as "_m00_m11"; rows first) and dx-graphics-hlsl-matrix (a matrix is rows of vectors)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(one, 2, 3, 4);
    float4 flat = (float4)m;                       // 1 2 3 4
    float2x2 back = (float2x2)float4(5, 6, 7, 8);  // rows (5, 6), (7, 8)
    float2 diagonal = m._m00_m11;                  // 1 4
    return float4(flat.y, flat.z, back[0].y, diagonal.x + diagonal.y * 2 + 1);
}
