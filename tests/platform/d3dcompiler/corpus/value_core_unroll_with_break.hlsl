// Windows: an unrolled loop may break early; the iterations after the break
// do not run.
// verdict: accepted
// probe: 6 3 1 1
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for ("unroll ... Unroll the loop until it stops executing") and dx-graphics-hlsl-break
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float sum = 0;
    int last = 0;
    [unroll] for (int i = 1; i <= 8; ++i)
    {
        if (sum >= 5.0 * one)
            break;
        sum += i;
        last = i;
    }
    return float4(sum, last, one, 1);
}
