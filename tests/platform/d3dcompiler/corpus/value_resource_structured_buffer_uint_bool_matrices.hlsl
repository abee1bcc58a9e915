// Windows: a StructuredBuffer<uint3x2> element is six uints, column after
// column, read through Load as through indexing; a StructuredBuffer<bool2x2>
// element is four 32-bit values, any nonzero one true.
// verdict: accepted
// probe: 5 4000000 1 0
// group: resources
// buffer t0: structured 24 1 : 1 2 3 4 4000000 5
// buffer t1: structured 16 1 : 0 7 0 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer (elements indexed or read by Load) and dx-graphics-hlsl-per-component-math ("matrix packing order for uniform parameters is set to column-major by default"); bool is 32 bits, true for nonzero (dx-graphics-hlsl-scalar)
#include "resource_stages.hlsli"
StructuredBuffer<uint3x2> counts : register(t0);
StructuredBuffer<bool2x2> flags : register(t1);
float4 PSMain() : SV_Target
{
    uint3x2 c = counts.Load(0);
    return float4(c._32, counts[0][1][1], flags[0]._21, flags[0]._12);
}
