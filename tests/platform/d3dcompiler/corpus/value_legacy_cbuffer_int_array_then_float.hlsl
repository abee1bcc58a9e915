// Windows: each int of an array starts a register; the words are read as
// their bits.
// verdict: accepted
// probe: 0 4 8 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("every element in an array is stored in a four-component vector")
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    int a[3];
};
float4 PSMain() : SV_Target
{
    return float4(asfloat(a[0]), asfloat(a[1]), asfloat(a[2]), 0);
}
