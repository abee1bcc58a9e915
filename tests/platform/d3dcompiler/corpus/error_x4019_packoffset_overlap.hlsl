// Windows: two constant-buffer members placed on the same components.
// verdict: compile-error PSMain X4019
// group: refuse
// error text: multiple variables found with the same user-specified location
// source: fxc's "error X4019: multiple variables found with the same user-specified location", quoted in DirectXShaderCompiler issue #3724 ("cbuffer packoffset insufficiently validated"), which quotes fxc's errors; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset
cbuffer lighting : register(b1)
{
    float4 ambient : packoffset(c0);
    float2 strength : packoffset(c0.z);
};
float Shade(float y)
{
    return ambient.x + strength.y * y;
}
#include "shade_stages.hlsli"
