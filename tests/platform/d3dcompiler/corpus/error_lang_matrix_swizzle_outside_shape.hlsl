// Windows: a matrix swizzle naming an element outside the matrix's rows and
// columns (`_33` on a float2x2) is no member: X3018.
// verdict: compile-error PSMain X3018
// group: types
// error text: invalid subscript '_33'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (the one-based names run _11 to _44 and the zero-based _m00 to _m33, over the matrix's own rows and columns); fxc's X3018 words for a member a value lacks, as error_object_append_buffer_load.hlsl records them
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2x2 m = float2x2(1, 2, 3, 4) * position.x;
    return m._33;
}
