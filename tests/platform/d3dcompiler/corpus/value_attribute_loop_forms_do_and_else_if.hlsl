// Windows: [loop] on a do-while, [unroll(1)] on a loop of three, and [branch] on an else-if change no value.
// verdict: accepted
// probe: 4 1.5 2 0
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-do (loop), dx-graphics-hlsl-for (unroll(x)) and dx-graphics-hlsl-if (branch)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float count = 0;
    [loop]
    do
    {
        count += 1;
    } while (count < 4);
    float sum = 0;
    [unroll(1)]
    for (int i = 0; i < 3; ++i)
    {
        sum += position.x;
    }
    float which = 0;
    if (position.x > 1)
    {
        which = 1;
    }
    else
    [branch] if (position.x > 0.25)
    {
        which = 2;
    }
    return float4(count, sum, which, 0);
}
