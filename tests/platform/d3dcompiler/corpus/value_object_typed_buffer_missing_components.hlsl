// Windows: a Buffer<float4> over a two-component format reads 0 for blue and 1 for alpha; a Buffer<int4> over a signed format keeps negative values.
// verdict: accepted
// probe: 3 4 0 -6
// group: resources
// buffer t0: typed r32g32_float 2 : 1.0 2.0 3.0 4.0
// buffer t1: typed r32g32b32a32_sint 1 : -5 -6 7 8
// source: learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-resources-data-conversion ("missing components ... default to 0, except alpha which defaults to 1" for formats without them); sm5-object-buffer (Buffer<Type>)
#include "resource_stages.hlsli"
Buffer<float4> pairs : register(t0);
Buffer<int4> signedValues : register(t1);
float4 PSMain() : SV_Target
{
    float4 p = pairs[1];
    int4 s = signedValues.Load(0);
    return float4(p.x, p.y, p.z + p.w - 1, s.y);
}
