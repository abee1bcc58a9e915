// Windows: a constant buffer places all of its members or none.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: cannot mix packoffset elements with nonpackoffset elements in a cbuffer
// source: fxc's "error X3530: cannot mix packoffset elements with nonpackoffset elements in a cbuffer", quoted in DirectXShaderCompiler issue #3724 ("cbuffer packoffset insufficiently validated"), which quotes fxc's errors and in DirectXShaderCompiler issue #4561
cbuffer lighting : register(b1)
{
    float4 ambient : packoffset(c1);
    float strength;
};
float Shade(float y)
{
    return ambient.x + strength * y;
}
#include "shade_stages.hlsli"
