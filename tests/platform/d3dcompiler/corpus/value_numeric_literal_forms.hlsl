// Windows: 0x10 is hex, 017 octal (15), .5 and 5. are floats, 1e-3 an
// exponent, and the suffixes h, f, l and u are taken.
// verdict: accepted
// probe: 31 5.5 1 5
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (floating-suffix "h H f F l L", integer-constant "0# (octal number)", "0x# (hex number)", integer-suffix "u U l L")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float two = position.x * 4.0;
    return float4((0x10 + 017) * two * 0.5, (.5 + 5.) * two * 0.5, 1e-3 * 500.0 * two,
                  (1.5h + 1.5f + 1u + 1l) * two * 0.5);
}
