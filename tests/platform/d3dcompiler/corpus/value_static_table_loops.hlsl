// Windows: a static array takes its initialiser; [unroll] and [loop] loops
// compute the same sums.
// verdict: accepted
// probe: 10 6 3 4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static initialisers), dx-graphics-hlsl-for ("unroll", "loop" attributes)
#include "probe_stages.hlsli"
static const float kTable[4] = {1, 2, 3, 4};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float unrolled = 0;
    [unroll] for (int i = 0; i < 4; i++)
    {
        unrolled += kTable[i];
    }
    float looped = 0;
    int count = (int)(position.x * 6.0); // 3
    [loop] for (int j = 0; j < count; j++)
    {
        looped += kTable[j];
    }
    return float4(unrolled, looped, kTable[count - 1], kTable[count]);
}
