// Windows: members placed on separate components of shared registers, an
// array placed after them, and a static member that takes no place.
// verdict: accepted
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset (packoffset(c0.y) and the like); DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl records fxc accepting "float3 f3_t_simple : packoffset(c11.y)"
cbuffer uniform0 : register(b0)
{
    row_major float4x4 viewProjection : packoffset(c0);
    float3 tintRgb : packoffset(c4);
    float tintAlpha : packoffset(c4.w);
    float2 unusedPair : packoffset(c5.y);
    float4 table[4] : packoffset(c6);
    static const float kUnusedScale = 2.0;
};
#define tint float4(tintRgb, tintAlpha)
#include "table_stages.hlsli"
