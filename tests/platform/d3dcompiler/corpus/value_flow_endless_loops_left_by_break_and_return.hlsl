// Windows: loops without a condition, or with a literal true one, are taken where a break of their
// own or a return leaves them; a do-while runs its body before its test.
// verdict: accepted
// probe: 4 5 6 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for, dx-graphics-hlsl-while, dx-graphics-hlsl-do ("Execute a series of statements, then test"), dx-graphics-hlsl-break and dx-graphics-hlsl-return
#include "probe_stages.hlsli"
float FirstStepPast(float one)
{
    int k = 0;
    while (1)
    {
        k += 1;
        if (k * one >= 6)
            return k;
    }
    return -1;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float sum = 0;
    int turns = 0;
    for (;;)
    {
        sum += one;
        if (sum >= 3.0)
            break;
    }
    while (true)
    {
        turns += 1;
        if (turns * one > 4.5)
            break;
    }
    do
    {
        sum += 0.5;
    } while (sum < 4.0 * one);
    return float4(sum, turns, FirstStepPast(one), 1);
}
