// Windows: a string is no numeric value; a shader cannot compute with one.
// verdict: compile-error PSMain -
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-data-types (String Type: "there are no operations or functions that accept strings, but they can be queried by the application")
#include "probe_stages.hlsli"
string Title = "legacy";
float4 PSMain() : SV_Target
{
    return Title + 1;
}
