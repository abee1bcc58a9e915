// Windows: clamp(x, a, b) is min(max(x, a), b), so with a > b it gives b;
// saturate of an int converts it to float first.
// verdict: accepted
// probe: 0 2 1 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-clamp; fxc compiles clamp to max then min (as for NaN in the floating-point rules, windows/win32/direct3d11/floating-point-rules); dx-graphics-hlsl-saturate
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    int seven = (int)(h * 14.0);
    int five = (int)(h * 10.0);
    return float4(clamp(h, 1.0, 0.0), clamp(seven, 10, 2), saturate(five), saturate(-five));
}
