// Windows: of -1.5, ceil is -1, floor -2, trunc -1 and round -2 (halves
// go to the even integer).
// verdict: accepted
// probe: -1 -2 -1 -2
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-ceil, dx-graphics-hlsl-floor, dx-graphics-hlsl-trunc ("the floating-point value, truncated to its integer component") and round_ne--sm4---asm- (round to nearest even)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float x = -position.x * 3.0; // -1.5
    return float4(ceil(x), floor(x), trunc(x), round(x));
}
