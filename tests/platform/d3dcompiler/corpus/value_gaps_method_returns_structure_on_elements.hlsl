// Windows: a method returning its own structure may be called on an array's element and on a
// member of another structure, with this written out.
// verdict: accepted
// probe: 2 6 13 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-syntax (a function returns and takes any type); the structure methods of DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float b;
    Pair Plus(Pair other)
    {
        Pair sum;
        sum.a = this.a + other.a;
        sum.b = this.b + other.b;
        return sum;
    }
};
struct Holder
{
    Pair pair;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Pair pairs[2];
    pairs[0].a = position.x * 2.0;
    pairs[0].b = 3.0;
    pairs[1].a = 1.0;
    pairs[1].b = 3.0;
    Holder holder;
    holder.pair = pairs[1];
    Pair both = pairs[0].Plus(holder.pair);
    float chained = holder.pair.Plus(both).Plus(pairs[1]).b;
    return float4(both.a, both.b, chained + pairs[1].a, 1);
}
