// Windows: a vector packs into the register a scalar began when it fits
// without crossing the 16-byte boundary: float then float3 share register
// 0; float2, float2 share register 1 and the float3 after starts register 2;
// a structure array's elements each start a register.
// verdict: accepted
// probe: 3 7 10 19
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("variables are packed into a given four-component vector until the variable will straddle a 4-vector boundary"; structures and array elements start a register)
#include "probe_stages.hlsli"
struct Point
{
    float3 p;
    float w;
};
cbuffer Values : register(b0)
{
    float a;          // c0.x
    float3 b;         // c0.yzw
    float2 c;         // c1.xy
    float2 d;         // c1.zw
    float3 e;         // c2.xyz
    Point points[2];  // c3, c4
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0);
    return float4(b.z, c.x * 0 + d.y, e.z, points[i].w);
}
