// Windows: a method may return a structure of its own type built from its
// members, and a call's result may be called on again.
// verdict: accepted
// probe: 4 8 2 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-syntax (a function returns any type); the structure methods of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
    Pair Doubled()
    {
        Pair p;
        p.a = a * 2.0;
        p.b = b * 2.0;
        return p;
    }
    float Sum()
    {
        return a + b;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Pair p;
    p.a = one;
    p.b = 3.0 * one;
    Pair q = p.Doubled();
    return float4(p.Sum(), q.Sum(), q.a, one);
}
