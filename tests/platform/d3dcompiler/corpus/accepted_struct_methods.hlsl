// Windows: structures may hold methods that read their members.
// verdict: accepted
// group: types
// source: the Texture2DArrayFloat structure with SampleLevel and Gather methods in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl, which fxc compiles; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct
struct Light
{
    float3 direction;
    float strength;
    float Lambert(float3 normal)
    {
        return strength * saturate(dot(normal, direction));
    }
};
float Shade(float y)
{
    Light light;
    light.direction = float3(0, 1, 0);
    light.strength = 0.5;
    return 0.5 + light.Lambert(float3(0, y, 0));
}
#include "shade_stages.hlsli"
