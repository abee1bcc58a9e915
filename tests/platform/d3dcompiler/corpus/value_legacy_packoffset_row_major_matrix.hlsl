// Windows: a row_major float2x2 placed at c3 takes c3 and c4, a row each.
// verdict: accepted
// probe: 12 13 16 17
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset and dx-graphics-hlsl-per-component-math ("Matrix Ordering")
#include "probe_stages.hlsli"
cbuffer Placed : register(b0)
{
    row_major float2x2 m : packoffset(c3);
};
float4 PSMain() : SV_Target
{
    return float4(m._11, m._12, m._21, m._22);
}
