// Windows: a row_major float2x3 member of a structure takes a register per
// row, from the register after the float before it.
// verdict: accepted
// probe: 5 6 8 10
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("Matrix Ordering")
#include "probe_stages.hlsli"
struct Holder
{
    float a;
    row_major float2x3 m;
};
cbuffer Layout : register(b0)
{
    Holder h;
};
float4 PSMain() : SV_Target
{
    return float4(h.m._12, h.m._13, h.m._21, h.m._23);
}
