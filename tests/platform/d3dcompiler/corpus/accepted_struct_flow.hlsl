// Windows: structures returned from functions, passed in and out, nested,
// and held in arrays indexed at run time.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-function-parameters (in, out and inout structures)
struct Light
{
    float3 direction;
    float strength;
};
struct Scene
{
    Light lights[2];
    float ambient;
};
Light MakeLight(float3 direction, float strength)
{
    Light light;
    light.direction = direction;
    light.strength = strength;
    return light;
}
void Dim(inout Light light, out float before)
{
    before = light.strength;
    light.strength *= 0.5;
}
float Shade(float y)
{
    Scene scene;
    scene.lights[0] = MakeLight(float3(0, 1, 0), 1.0);
    scene.lights[1] = MakeLight(float3(1, 0, 0), 0.5);
    scene.ambient = 0.25;
    float before;
    Dim(scene.lights[0], before);
    int which = y > 0.0 ? 1 : 0;
    return scene.ambient + scene.lights[which].strength * y + before * 0.0;
}
#include "shade_stages.hlsli"
