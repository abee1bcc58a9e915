// Windows: double comparisons see differences a float cannot hold: 2^24 + 1 > 2^24, and equality of two doubles that differ past a float's precision is false.
// verdict: accepted
// probe: 1 0 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("double: 64-bit floating point value"), dlt--sm5---asm-, deq--sm5---asm- and dge--sm5---asm-
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double big = 16777216.0 * (double)(position.x * 2.0);
    double bigger = big + (double)(position.x * 2.0);
    return float4(bigger > big ? 1 : 0, bigger == big ? 1 : 0, big <= bigger ? 1 : 0,
                  bigger != big ? 1 : 0);
}
