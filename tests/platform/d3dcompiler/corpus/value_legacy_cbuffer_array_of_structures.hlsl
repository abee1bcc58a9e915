// Windows: each structure of an array starts a register; its members pack
// within it (x at .x, a float2 at .yz).
// verdict: accepted
// probe: 0 1 4 6
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("Each structure forces the next variable to start on the next four-component vector. This sometimes generates padding for arrays of structures")
#include "probe_stages.hlsli"
struct Pair
{
    float x;
    float2 y;
};
cbuffer Layout : register(b0)
{
    Pair p[2];
};
float4 PSMain() : SV_Target
{
    return float4(p[0].x, p[0].y.x, p[1].x, p[1].y.y);
}
