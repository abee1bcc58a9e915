// Windows: a float3 after a float2 starts the next register, and a float
// after it fills that register's w.
// verdict: accepted
// probe: 1 4 6 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (the "float1 Val1; float1 Val1; float3 Val2; // starts a new vector" and "float3 Val1; float1 Val2;" examples)
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float2 a;
    float3 b;
    float c;
};
float4 PSMain() : SV_Target
{
    return float4(a.y, b.x, b.z, c);
}
