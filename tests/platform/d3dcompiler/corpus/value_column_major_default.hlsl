// Windows: matrices in a constant buffer are column-major unless said otherwise, so row 0 gathers one float of each register.
// verdict: accepted
// probe: 0 4 8 12
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("column-major ... is the default")
#include "probe_stages.hlsli"
cbuffer Matrices : register(b0)
{
    float4x4 m;
};
float4 PSMain() : SV_Target
{
    return m[0];
}
