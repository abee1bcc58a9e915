// Windows: each element of a float2 array starts a register; a float2 after
// it shares the last element's register, a float3 then bounces to the next.
// verdict: accepted
// probe: 4 6 7 8
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("Arrays are not packed in HLSL by default ... each element is stored in a four-component vector")
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    float2 a[2];
    float2 b;
    float3 c;
};
float4 PSMain() : SV_Target
{
    return float4(a[1].x, b.x, b.y, c.x);
}
