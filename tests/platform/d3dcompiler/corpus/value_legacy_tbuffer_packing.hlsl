// Windows: a tbuffer packs as a cbuffer: a float3 after a float shares its
// register, each array element takes a register of its own, and a float
// after the array shares the last.
// verdict: accepted
// probe: 2 5 9 10
// group: values
// buffer t0: typed r32g32b32a32_float 3 : 1 2 3 4 5 6 7 8 9 10 11 12
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-constants ("tbuffer": a texture buffer, bound as a texture, whose members pack as a constant buffer's) and dx-graphics-hlsl-packing-rules
#include "resource_stages.hlsli"
tbuffer Values : register(t0)
{
    float first;
    float3 second;
    float list[2];
    float last;
};
float4 PSMain() : SV_Target
{
    return float4(second.x, list[0], list[1], last);
}
