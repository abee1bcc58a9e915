// Windows: a tbuffer packs its members as a cbuffer does and is read from the
// shader resource in its t register.
// verdict: accepted
// probe: 5 6 7 9
// group: values
// buffer t0: typed r32g32b32a32_float 4 : 1 2 3 4 5 6 7 8 9 10 11 12
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-constants ("tbuffer": a texture buffer, bound as a texture, whose members pack as a constant buffer's)
#include "resource_stages.hlsli"
tbuffer Values : register(t0)
{
    float3 first;
    float3 second;
    float third;
    float fourth;
};
float4 PSMain() : SV_Target
{
    return float4(second.xyz, fourth);
}
