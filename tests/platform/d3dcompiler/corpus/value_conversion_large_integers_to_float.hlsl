// Windows: an int or uint past 2^24 converts to the nearest float, and to a
// double exactly.
// verdict: accepted
// probe: 16777216 4294967296 -2147483648 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar and windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (integer to float: round to nearest even); itof--sm4---asm- and utod--sm5---asm-
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    uint top = 0xFFFFFFFFu * (uint)one;
    return float4((float)(16777217 * one), (float)top, (float)(-2147483647 * one),
                  (float)((double)top - 4294967294.0L));
}
