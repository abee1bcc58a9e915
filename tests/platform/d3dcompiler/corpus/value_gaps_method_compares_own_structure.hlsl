// Windows: a method taking its own structure may return a bool, and a method without one in the
// same structure still reads the object's members.
// verdict: accepted
// probe: 1 0 3 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-syntax (a function returns and takes any type); the structure methods of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
    bool Same(Pair other)
    {
        return a == other.a && b == other.b;
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
    p.b = 2.0;
    Pair q = p;
    Pair r = p;
    r.b = 5.0;
    return float4(p.Same(q) ? 1 : 0, p.Same(r) ? 1 : 0, q.Sum(), 1);
}
