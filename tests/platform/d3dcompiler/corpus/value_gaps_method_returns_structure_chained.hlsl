// Windows: a method returning its own structure may be called on its own result, each call
// reading the members of the value it is called on.
// verdict: accepted
// probe: 4 12 16 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-syntax (a function returns and takes any type); the structure methods of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles
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
    Pair p;
    p.a = position.x * 2.0;
    p.b = 3.0;
    Pair four = p.Doubled().Doubled();
    return float4(four.a, four.b, p.Doubled().Doubled().Sum(), 1);
}
