// Windows: an argument converts to its parameter's type (a float to an int
// parameter truncates, -1 to a uint parameter is 4294967295, a nonzero
// float to a bool parameter is true) and a returned value to the
// function's return type.
// verdict: accepted
// probe: 2 4294967296 1 -2
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (arguments are copied into parameters of the declared type) and the conversion rules of dx-graphics-hlsl-scalar (float to int truncates toward zero; int to uint keeps the bits)
#include "probe_stages.hlsli"
int Whole(int x)
{
    return x;
}
float Unsigned(uint x)
{
    return x;
}
float Flag(bool b)
{
    return b ? 1.0 : 0.0;
}
int Truncated(float x)
{
    return x * 1.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(Whole(2.9 * one), Unsigned(-1 * (int)one), Flag(0.25 * one), Truncated(-2.75 * one));
}
