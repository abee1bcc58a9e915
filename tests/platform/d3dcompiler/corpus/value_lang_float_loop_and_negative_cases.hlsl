// Windows: a for loop may count with a float; a switch on an int takes
// negative case labels and picks default for a value no case names.
// verdict: accepted
// probe: 4 1 20 30
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for and dx-graphics-hlsl-switch (case labels are integer constants)
#include "probe_stages.hlsli"
float Pick(int value)
{
    float picked = 0;
    switch (value)
    {
    case -2:
        picked = 10;
        break;
    case -1:
        picked = 20;
        break;
    default:
        picked = 30;
        break;
    }
    return picked;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int count = 0;
    float last = 0;
    for (float f = 0; f < one; f += 0.25)
    {
        count++;
        last = f;
    }
    return float4(count, last + 0.25, Pick(-1 * (int)one), Pick(-3 * (int)one + 5));
}
