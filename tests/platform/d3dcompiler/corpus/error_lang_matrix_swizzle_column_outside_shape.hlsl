// Windows: a zero-based matrix element name whose column is past the matrix's
// last (`_m02` on a float3x2) is no member: X3018.
// verdict: compile-error PSMain X3018
// group: types
// error text: invalid subscript '_m02'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (the zero-based names _m00 to _m33 over the matrix's own rows and columns); fxc's X3018 words for a member a value lacks, as error_object_append_buffer_load.hlsl records them
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float3x2 m = float3x2(1, 2, 3, 4, 5, 6) * position.x;
    return m._m02;
}
