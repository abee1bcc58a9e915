// Windows: a packoffset names one start component, not a mask.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: register or offset bind c2.xy not valid
// source: fxc's "X3530: register or offset bind c2.xy not valid" for "float4 f4_nonseq : packoffset(c2.xy);", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl
cbuffer lighting : register(b1)
{
    float2 strength : packoffset(c2.xy);
};
float Shade(float y)
{
    return strength.x + strength.y * y;
}
#include "shade_stages.hlsli"
