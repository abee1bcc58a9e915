// Windows: float2 array elements each start a register; the second element
// lies at c1.xy.
// verdict: accepted
// probe: 0 1 4 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("every element in an array is stored in a four-component vector")
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float2 a[2];
};
float4 PSMain() : SV_Target
{
    return float4(a[0], a[1]);
}
