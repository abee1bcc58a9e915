// Windows: a for statement's first clause may declare two variables and its
// last step both with the comma operator.
// verdict: accepted
// probe: 5 5 5 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (for ( [initializer] ; [conditional] ; [iterator] ), each an expression or declaration as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int ten = (int)(position.x * 2.0) * 10;
    int steps = 0;
    int i, j;
    for (i = 0, j = ten; i < j; i++, j--)
        steps++;
    return float4(i, j, steps, 1);
}
