// Windows: a static const inside a cbuffer is the shader's own constant and
// takes no room in the buffer: the float after it is at c0.y.
// verdict: accepted
// probe: 0 3 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static: "not exposed outside the shader") and dx-graphics-hlsl-constants
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float a;
    static const float k = 3;
    float b;
};
float4 PSMain() : SV_Target
{
    return float4(a, k, b, 0);
}
