// Windows: a literal's suffix gives it its type, so 1.5f calls the float
// overload and 1.5L the double one; a float variable calls the float one.
// verdict: accepted
// probe: 1 2 1 0
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (floating-suffix "f" and "L", the L suffix a 64-bit literal); an exact match is the best candidate (dx-graphics-hlsl-function-syntax overloads)
#include "probe_stages.hlsli"
float Overload(float f)
{
    return 1.0;
}
double Overload(double d)
{
    return 2.0L;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4((float)Overload(1.5f), (float)Overload(1.5L), (float)Overload(position.x), 0);
}
