// Windows: default may stand between the cases; a value no case names goes to
// it wherever it stands, and empty case labels share the statements below.
// verdict: accepted
// probe: 10 20 30 20
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch (switch ( Selector ) { case 0 : ... default : ... }, labels as in C)
#include "probe_stages.hlsli"
float Select(int selector)
{
    float result = 0;
    switch (selector)
    {
    case 0:
        result = 10;
        break;
    default:
        result = 20;
        break;
    case 2:
    case 3:
        result = 30;
        break;
    }
    return result;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    return float4(Select(0 * one), Select(one), Select(3 * one), Select(-5 * one));
}
