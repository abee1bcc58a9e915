// Windows: matrix<float, 2, 3> marked row_major: each of its two rows is a
// register of three components.
// verdict: accepted
// probe: 2 4 6 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix ("matrix <Type, Rows, Columns>") and dx-graphics-hlsl-per-component-math ("Matrix Ordering")
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    row_major matrix<float, 2, 3> m;
};
float4 PSMain() : SV_Target
{
    return float4(m._13, m._21, m._23, m._12);
}
