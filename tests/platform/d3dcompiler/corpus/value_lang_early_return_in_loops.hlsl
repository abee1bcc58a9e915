// Windows: a return inside a loop leaves the function at once, from a for
// loop or from a while (true) loop; the loop's end falls through to what
// follows it.
// verdict: accepted
// probe: 4 -1 30 -5
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-return and dx-graphics-hlsl-for, dx-graphics-hlsl-while
#include "probe_stages.hlsli"
int FirstSquareOver(float limit)
{
    for (int i = 0; i < 10; i++)
    {
        if (i * i > limit)
            return i;
    }
    return -1;
}
float Search(int target)
{
    int k = 0;
    while (true)
    {
        if (k == target)
            return k * 10;
        k++;
        if (k > 20)
            break;
    }
    return -5;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(FirstSquareOver(10 * one), FirstSquareOver(200 * one), Search(3 * int(one)),
                  Search(30 * int(one)));
}
