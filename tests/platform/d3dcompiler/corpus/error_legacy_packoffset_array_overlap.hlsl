// Windows: a float array placed at c0 takes a register per element, so a
// float placed at c1.x overlaps its second element.
// verdict: compile-error PSMain X4019
// group: refuse
// error text: multiple variables found with the same user-specified location
// source: fxc's "error X4019: multiple variables found with the same user-specified location", quoted in the DirectXShaderCompiler issue "cbuffer packoffset insufficiently validated"; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("every element in an array is stored in a four-component vector")
#include "probe_stages.hlsli"
cbuffer Placed : register(b0)
{
    float list[2] : packoffset(c0);
    float single : packoffset(c1.x);
};
float4 PSMain() : SV_Target
{
    return float4(list[0], list[1], single, 0);
}
