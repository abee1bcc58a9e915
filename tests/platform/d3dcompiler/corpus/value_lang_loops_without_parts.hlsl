// Windows: a for statement may leave out any of its three parts, and a loop
// whose condition is always true ends by break.
// verdict: accepted
// probe: 4 5 3 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for ("for ( [initializer] ; [conditional] ; [iterator] )") and dx-graphics-hlsl-while, dx-graphics-hlsl-break
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int start = int(position.x * 2.0);
    int i = start;
    for (;;)
    {
        if (i >= 4)
            break;
        ++i;
    }
    int j = 0;
    for (; j < 5;)
        j += 1;
    int k = 0;
    while (true)
    {
        k += 1;
        if (k == 3)
            break;
    }
    return float4(i, j, k, start);
}
