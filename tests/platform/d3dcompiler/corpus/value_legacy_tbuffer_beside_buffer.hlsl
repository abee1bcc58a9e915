// Windows: a tbuffer in t1 reads the view in t1, beside a typed Buffer in
// t0; an int member holds the bits of its register's component.
// verdict: accepted
// probe: 10 30 7 1
// group: values
// buffer t0: typed r32g32b32a32_float 1 : 10 20 30 40
// buffer t1: typed r32g32b32a32_uint 2 : 0 0 0 0 7 1065353216 0 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-constants ("tbuffer": bound as a texture, whose members pack as a constant buffer's) and dx-graphics-hlsl-asfloat
#include "resource_stages.hlsli"
Buffer<float4> colours : register(t0);
tbuffer Values : register(t1)
{
    float4 unused;
    int count;
    float one;
};
float4 PSMain() : SV_Target
{
    float4 colour = colours.Load(0);
    return float4(colour.x, colour.z, count, one);
}
