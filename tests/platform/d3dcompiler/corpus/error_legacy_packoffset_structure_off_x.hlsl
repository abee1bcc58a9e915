// Windows: a structure placed by packoffset must start at a register's x.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: register or offset bind c1.y not valid
// source: fxc's "error X3530: register or offset bind c2.y not valid" for a structure at packoffset(c2.y) ("structs must start at 16-byte alignment"), quoted in the DirectXShaderCompiler issue "cbuffer packoffset insufficiently validated"; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules ("Each structure forces the next variable to start on the next four-component vector")
#include "probe_stages.hlsli"
struct Pair
{
    float first;
    float second;
};
cbuffer Placed : register(b0)
{
    float lead : packoffset(c0);
    Pair pair : packoffset(c1.y);
};
float4 PSMain() : SV_Target
{
    return float4(lead, pair.first, pair.second, 0);
}
