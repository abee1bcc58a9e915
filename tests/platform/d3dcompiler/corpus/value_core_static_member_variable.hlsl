// Windows: a structure may declare a static member variable, defined after it
// as Structure::name with an initial value; code outside reads it as
// Structure::name and the structure's methods by its bare name.
// verdict: accepted
// probe: 3 3 6 2
// group: declarations
// source: DirectXShaderCompiler issue 664 ("struct S { static float4 data; }; float4 S::data = 4.2; ... return S::data;" which "fxc happily accepts"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static: the shader's own variable, initialised by its declaration)
#include "probe_stages.hlsli"
struct Settings
{
    static float scale;
    float base;
    float Scaled()
    {
        return base * scale;
    }
};
float Settings::scale = 1.5;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Settings s;
    s.base = 2.0 * one;
    float scaled = s.Scaled();
    Settings::scale = 3.0;
    return float4(scaled, Settings::scale, s.Scaled(), s.base);
}
