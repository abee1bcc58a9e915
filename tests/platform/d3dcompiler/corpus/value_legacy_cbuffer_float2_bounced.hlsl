// Windows: a float2 that would straddle a 16-byte boundary is bounced to the
// next register; one that fits shares the register with the float before it.
// verdict: accepted
// probe: 0 2 4 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("Variables are packed into a given four-component vector until the variable will straddle a 4-vector boundary; the next variables will be bounced to the next four-component vector")
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float a;
    float2 b;
    float2 c;
};
float4 PSMain() : SV_Target
{
    return float4(a, b.y, c.x, c.y);
}
