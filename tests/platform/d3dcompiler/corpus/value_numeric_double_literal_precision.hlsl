// Windows: a float literal without a suffix is a 32-bit float even where a
// double takes it; the L suffix keeps 64 bits, so 0.1 and 0.1L differ.
// verdict: accepted
// probe: 1.49011612 0 1 0
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar ("Use the 'L' suffix to specify a full 64-bit precision floating-point literal. A 32-bit float literal is the default." with double x = -0.6473313946860445; as its example)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double a = 0.1;
    double b = 0.1L;
    double scale = (double)(position.x * 2.0);
    return float4((float)((a - b) * 1.0e9L * scale), (float)((b - 0.1L) * scale),
                  a * 10.0L * scale > 1.0L, 0);
}
