// Windows: a function may return a structure, whose members and their
// swizzles are read straight from the call.
// verdict: accepted
// probe: 3 2 1 4
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-return ("a return statement can return a structure") and dx-graphics-hlsl-struct
#include "probe_stages.hlsli"
struct Light
{
    float3 colour;
    float strength;
};
Light MakeLight(float x)
{
    Light light;
    light.colour = float3(x, 2.0, 3.0);
    light.strength = 4.0;
    return light;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(MakeLight(one).colour.zyx, MakeLight(one).strength);
}
