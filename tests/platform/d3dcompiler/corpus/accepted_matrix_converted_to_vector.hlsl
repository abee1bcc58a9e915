// Windows: a matrix converts to a vector of as many components (float2x2 to float4).
// verdict: accepted
// group: conversions
// source: github.com/microsoft/DirectXShaderCompiler/issues/1157 ("FXC allows conversion of matrices to vectors if size of the matrix (N*M) exactly matches the size of the vector": float4 res = vertex + m22;)
float Shade(float y)
{
    float4 vertex = float4(y, 0, 0, 0);
    float2x2 m22 = float2x2(0, 0, 0, 0);
    float4 res = vertex + m22;
    return res.x;
}
#include "shade_stages.hlsli"
