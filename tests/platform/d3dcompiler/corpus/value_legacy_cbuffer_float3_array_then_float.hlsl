// Windows: each float3 of an array starts a register; the second lies at
// c1.xyz.
// verdict: accepted
// probe: 2 4 6 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("every element in an array is stored in a four-component vector")
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float3 a[2];
};
float4 PSMain() : SV_Target
{
    return float4(a[0].z, a[1].x, a[1].z, 0);
}
