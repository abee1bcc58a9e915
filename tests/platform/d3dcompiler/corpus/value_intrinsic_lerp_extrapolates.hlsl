// Windows: lerp(x, y, s) is x + s * (y - x) for any s, so weights outside
// [0, 1] extrapolate; int arguments become floats; vectors lerp per component.
// verdict: accepted
// probe: 5 1 1.5 25
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-lerp ("x + s(y - x)")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float2 v = lerp(float2(0, 10), float2(8, 20), float2(h, h * 3.0));
    return float4(lerp(2.0, 4.0, h * 3.0), lerp(2.0, 4.0, -h), lerp(1, 3, h * 0.5), v.y);
}
