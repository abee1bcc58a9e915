// Windows: a vector that would cross a 16-byte boundary starts the next
// register; smaller members fill the space left in one.
// verdict: accepted
// probe: 4 7 8 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("variables are packed into a given four-component vector until the variable will straddle a 4-vector boundary; the next variables will be bounced to the next four-component vector")
#include "probe_stages.hlsli"
cbuffer Packed : register(b0)
{
    float2 a;
    float3 b;
    float c;
    float2 e;
};
float4 PSMain() : SV_Target
{
    return float4(b.x, c, e.x, e.y);
}
