// Windows: an error glslang finds after #line N "name" names that file.
// verdict: compile-error PSMain X3017
// group: preprocessor
// error text: shading.hlsl(70,
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-line ("#line line-number "filename"")
struct Pair
{
    float a;
    float b;
};
float Shade(float y)
{
    Pair p;
    p.a = y;
    p.b = y;
#line 70 "shading.hlsl"
    float3 v = p;
    return v.x;
}
#include "shade_stages.hlsli"
