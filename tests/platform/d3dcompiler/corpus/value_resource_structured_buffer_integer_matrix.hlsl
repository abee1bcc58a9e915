// Windows: a StructuredBuffer<int2x2> element is four ints, its columns one
// after another (column-major by default), holding integer values exactly.
// verdict: accepted
// probe: 1 1 1 1
// group: resources
// buffer t0: structured 16 2 : 1 2 3 -4 123456 6 7 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer and dx-graphics-hlsl-per-component-math ("matrix packing order for uniform parameters is set to column-major by default"); int is a 32-bit signed integer (dx-graphics-hlsl-scalar)
#include "resource_stages.hlsli"
StructuredBuffer<int2x2> matrices : register(t0);
float4 PSMain() : SV_Target
{
    int2x2 first = matrices[0];
    return float4(first._12 == 3, first[1][1] == -4, matrices[1]._11 == 123456, matrices[1]._21 == 6);
}
