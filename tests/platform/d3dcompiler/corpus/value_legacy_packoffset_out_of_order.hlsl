// Windows: packoffset may place members in any order, a later one before an
// earlier one.
// verdict: accepted
// probe: 8 0 1 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset
#include "probe_stages.hlsli"
cbuffer Placed : register(b0)
{
    float late : packoffset(c2);
    float2 early : packoffset(c0);
    float middle : packoffset(c1.y);
};
float4 PSMain() : SV_Target
{
    return float4(late, early, middle);
}
