// Windows: round sends halves to the even integer (2.5 to 2, 3.5 to 4,
// -0.5 to -0); trunc drops the fraction of large values too.
// verdict: accepted
// probe: 2 4 2147483648 -1234567
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-round and round_ne--sm4---asm- ("round to nearest even"), dx-graphics-hlsl-trunc
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    return float4(round(h * 5.0), round(h * 7.0), asuint(round(-h)), trunc(-h * 2469134.5));
}
