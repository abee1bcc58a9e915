// Windows: a method calling another method of its structure converts the
// arguments to the parameters' types (the int 2 to a float), and the method
// hides a global function of its name there, as a member hides a global in
// C++; a parameter hides a member, and outside the structure the global
// function and variable are found.
// verdict: accepted
// probe: 6 10 7 5
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes behave in a similar manner to classes in C++": C++'s lookup finds a class's members before globals) and dx-graphics-hlsl-function-parameters (arguments converted to the parameters' types)
#include "probe_stages.hlsli"
static float k = 5.0;
float Scale(float x)
{
    return x * 10.0;
}
struct Scaler
{
    float k;
    float Scale(float x)
    {
        return x * k;
    }
    float Doubled()
    {
        return Scale(2);
    }
    float Given(float k)
    {
        return k;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Scaler s;
    s.k = 3.0 * one;
    return float4(s.Doubled(), Scale(one), s.Given(7), k);
}
