// Windows: a vector cast to a structure of as many components fills its members in order.
// verdict: accepted
// probe: 2 0.5 0.5 0
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (a structure converts from a numeric type of as many components); Windows' compiler builds this shader
#include "probe_stages.hlsli"
struct Split
{
    float2 xy;
    float z;
    float w;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Split split = (Split)position;
    return float4(split.w, split.xy, split.z);
}
