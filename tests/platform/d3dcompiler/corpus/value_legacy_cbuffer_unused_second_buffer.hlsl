// Windows: a second constant buffer the shader never reads needs no binding;
// the first is read at b0 by its own layout.
// verdict: accepted
// probe: 4 5 6 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-constants (cbuffer declarations, each with its register) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules
#include "probe_stages.hlsli"
cbuffer First : register(b0)
{
    float4 lead;
    float4 used;
};
cbuffer Second : register(b1)
{
    float4 unused;
};
float4 PSMain() : SV_Target
{
    return used;
}
