// Windows: a switch on a uint compares it with its labels as uints.
// verdict: accepted
// probe: 7 8 9 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch (Selector: a variable of an integer type)
#include "probe_stages.hlsli"
float Pick(uint s)
{
    switch (s)
    {
    case 0u:
        return 7;
    case 4000000000u:
        return 8;
    default:
        return 9;
    }
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint one = (uint)(position.x * 2.0);
    return float4(Pick(0u * one), Pick(4000000000u * one), Pick(3u * one), one);
}
