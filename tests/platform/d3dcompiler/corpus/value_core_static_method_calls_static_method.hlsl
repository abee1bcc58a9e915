// Windows: a static method of a structure may call another static method of
// it by its bare name or by its qualified name, and code outside the
// structure calls it as Structure::Method.
// verdict: accepted
// probe: 4 2 8 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-dynamic-linking-class (classes and structures "behave in a similar manner to classes in C++", where a static member function is called unqualified inside its class); DirectXShaderCompiler issue 664 (fxc accepts static members named S::member)
#include "probe_stages.hlsli"
struct Helper
{
    static float Twice(float x)
    {
        return x * 2.0;
    }
    static float Quad(float x)
    {
        return Twice(Twice(x));
    }
    static float Eight(float x)
    {
        return Helper::Quad(x) * 2.0;
    }
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(Helper::Quad(one), Helper::Twice(one), Helper::Eight(one), one);
}
