// Windows: a structure's members may be named s, t or st; reading them is member access, not a swizzle.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (a vector's components are named from two sets only: the position set x, y, z, w and the colour set r, g, b, a) and hlsl-errors-and-warnings (X3018: "The subscript is invalid"); dx-graphics-hlsl-struct (members are named as any variable)
#include "probe_stages.hlsli"
struct Coordinates
{
    float s;
    float2 st;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Coordinates c;
    c.s = position.x;
    c.st = position.xy;
    return float4(c.s, c.st.x, c.st.g, 1);
}
