// Windows: arrays and structures given to a vector's constructor or cast to a vector give their components in order.
// verdict: accepted
// probe: 0.5 2 3 4.5
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math and dx-graphics-hlsl-struct (structures and arrays convert to and from vectors component by component when their sizes match); Windows' compiler builds this shader
#include "probe_stages.hlsli"
struct Pair
{
    float first;
    float2 rest;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float start[1] = { position.x };
    Pair pair = { 2, 3, position.x + 4 };
    float4 fromConstructor = float4(start, pair);
    float3 fromCast = (float3)pair;
    return float4(fromConstructor.xyz, fromCast.z);
}
