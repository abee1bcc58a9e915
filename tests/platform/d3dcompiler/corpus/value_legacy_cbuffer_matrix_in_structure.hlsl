// Windows: a column-major float2x2 member of a structure starts a register;
// each column takes one.
// verdict: accepted
// probe: 4 5 8 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("Matrix Ordering": column-major by default)
#include "probe_stages.hlsli"
struct Holder
{
    float a;
    float2x2 m;
};
cbuffer Layout : register(b0)
{
    Holder h;
};
float4 PSMain() : SV_Target
{
    return float4(h.m._11, h.m._21, h.m._12, h.m._22);
}
