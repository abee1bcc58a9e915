// Windows: a matrix is column-major by default: each column takes a register,
// so _12 (row 1, column 2) lies at c1.x and _21 at c0.y.
// verdict: accepted
// probe: 0 4 1 10
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("Matrix Ordering": column-major by default; a column-major matrix's columns are its registers) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float3x3 m;
};
float4 PSMain() : SV_Target
{
    return float4(m._11, m._12, m._21, m._33);
}
