// Windows: floor and frac have no double forms at shader model 5.0: a double argument is converted to float first, so 2^30 + 100.75 rounds to 2^30 + 128, which floors to itself with no fraction.
// verdict: accepted
// probe: 128 0 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-floor and dx-graphics-hlsl-frac (float types only), and the Shader Model 5 assembly list (round_ni and frc take floats; no double rounding instruction)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double one = (double)(position.x * 2.0);
    double big = 1073741824.0 * one + 100.75 * one;
    double low = floor(big);
    double part = frac(big);
    return float4((float)(low - 1073741824.0 * one), (float)part, (float)one, 0);
}
