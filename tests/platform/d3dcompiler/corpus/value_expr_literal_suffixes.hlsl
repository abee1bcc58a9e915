// Windows: float literals take h, H, f, F, l and L suffixes, integer literals
// u, U, l and L; hex and octal integers are read as C reads them.
// verdict: accepted
// probe: 3 31 11 4
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (float suffixes h H f F l L; integer suffixes u U l L; 0x hexadecimal, leading 0 octal)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float a = (1.5h + 0.25f + 0.25F + 1.0H) * one;
    uint b = (3u + 4U + 0x10 + 010) * (uint)one;
    int c = (5l + 6L) * (int)one;
    double d = (2.5L + 1.5l) * one;
    return float4(a, b, c, (float)d);
}
