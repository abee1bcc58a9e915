// Windows: in parameters are copies the callee may change; out and inout
// parameters are copied back when the function returns; arrays and
// structures assign by value.
// verdict: accepted
// probe: 1 6 4 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("in ... copied into the function"; "out ... copied out of the function"; "inout ... copied in and out")
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
};
void Twice(inout float x, out float y, float z)
{
    z = 100;
    x *= 2;
    y = x + 2;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float x = one * 2; // 2
    float y;
    float z = one;
    Twice(x, y, z); // x 4, y 6, z 1
    Pair p = {x, 3};
    Pair q = p;
    p.b = 9;
    float table[2] = {one, 2};
    float copy[2] = table;
    table[0] = 7;
    return float4(copy[0], y, q.a, q.b);
}
