// Windows: case labels are integer constant expressions: negative numbers,
// arithmetic of literals and static const ints.
// verdict: accepted
// probe: 1 2 3 4
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch (case labels; constant integer expressions as in C)
#include "probe_stages.hlsli"
static const int kFive = 5;
float Label(int s)
{
    switch (s)
    {
    case -1:
        return 1;
    case 2 * 3:
        return 2;
    case kFive:
        return 3;
    case 0x10:
        return 4;
    default:
        return 0;
    }
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    return float4(Label(-one), Label(6 * one), Label(5 * one), Label(16 * one));
}
