// Windows: a float4x4 placed at c0 fills c0 to c3, so a float4 at c3
// overlaps it.
// verdict: compile-error PSMain X4019
// group: refuse
// error text: multiple variables found with the same user-specified location
// source: fxc's "error X4019: multiple variables found with the same user-specified location", quoted in the DirectXShaderCompiler issue "cbuffer packoffset insufficiently validated"; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset
#include "probe_stages.hlsli"
cbuffer Placed : register(b0)
{
    float4x4 m : packoffset(c0);
    float4 v : packoffset(c3);
};
float4 PSMain() : SV_Target
{
    return m[0] + v;
}
