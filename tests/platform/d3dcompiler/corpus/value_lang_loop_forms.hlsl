// Windows: do-while runs its body before the test, while tests first, and
// continue skips to the next iteration's test.
// verdict: accepted
// probe: 1 0 4 6
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-do, dx-graphics-hlsl-while, dx-graphics-hlsl-for, dx-graphics-hlsl-continue
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int limit = int(position.x);
    int doRuns = 0;
    do
    {
        doRuns += 1;
    } while (doRuns < limit);
    int whileRuns = 0;
    while (whileRuns < limit)
    {
        whileRuns += 1;
    }
    int odd = 0;
    for (int i = 0; i < 8; ++i)
    {
        if ((i & 1) == 0)
            continue;
        odd += 1;
    }
    int sum = 0;
    for (int k = 1; k <= 3; ++k)
        sum += k;
    return float4(doRuns, whileRuns, odd, sum);
}
