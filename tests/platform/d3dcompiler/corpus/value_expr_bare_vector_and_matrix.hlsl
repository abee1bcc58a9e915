// Windows: vector and matrix without template arguments are float4 and
// float4x4.
// verdict: accepted
// probe: 4 5 1 16
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector ("4-component float vectors by leaving off both") and dx-graphics-hlsl-matrix (Type=float, Rows=4, Cols=4 by default)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    vector v = vector(1, 2, 3, 4) * one;
    matrix m = (matrix)0;
    m._44 = 5 * one;
    m._11 = v.x;
    float count = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            count += 1;
    return float4(v.w, m._44, m._11, count);
}
