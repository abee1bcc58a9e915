// Windows: integer literals in decimal, octal (leading 0) and hexadecimal,
// with u and l suffixes; float literals with f, h and exponents.
// verdict: accepted
// probe: 16 8 255 150
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (integer-literal: decimal, octal with a leading 0, hexadecimal with 0x; suffixes u, l; float suffixes f, h; exponents)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint hex = 0x10u;
    int octal = 010;
    int big = 0xFF;
    float sum = 1.5e2f + 0.0h + position.x * 0.0;
    return float4(hex, octal, big, sum);
}
