// Windows: a structure's method may write its members, and the write stays in
// the object it was called on; one method may call another of its structure.
// verdict: accepted
// probe: 3 6 1 4
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class ("Classes behave in a similar manner to classes in C++", member variables and methods); the Texture2DArrayFloat structure with methods in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles
#include "probe_stages.hlsli"
struct Counter
{
    float count;
    float other;
    void Add(float amount)
    {
        count += amount;
    }
    float Twice()
    {
        Add(count);
        return count;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Counter c;
    c.count = one;
    c.other = one;
    c.Add(2.0 * one);
    float first = c.count;
    float doubled = c.Twice();
    return float4(first, doubled, c.other, c.other + first);
}
