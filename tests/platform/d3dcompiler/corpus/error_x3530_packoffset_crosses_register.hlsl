// Windows: a float3 from component y would run past the register's w.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: register or offset bind c3.z not valid
// source: fxc's "X3530: register or offset bind c3.w not valid" for "float4 f4_outoforder : packoffset(c3.w);", quoted in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (a vector does not cross a 16-byte boundary)
cbuffer lighting : register(b1)
{
    float3 direction : packoffset(c3.z);
};
float Shade(float y)
{
    return 0.5 + direction.x * y;
}
#include "shade_stages.hlsli"
