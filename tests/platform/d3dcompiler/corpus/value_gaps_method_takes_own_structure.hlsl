// Windows: a method may take a parameter of its own structure and read its members beside the
// object's own.
// verdict: accepted
// probe: 7 0 0 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-syntax (a function returns and takes any type); the structure methods of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
    float Dot(Pair other)
    {
        return a * other.a + b * other.b;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Pair p;
    p.a = one;
    p.b = 2.0 * one;
    Pair q;
    q.a = 3.0;
    q.b = 2.0;
    return float4(p.Dot(q), 0, 0, 1);
}
