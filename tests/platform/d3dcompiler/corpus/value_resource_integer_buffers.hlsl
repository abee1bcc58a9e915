// Windows: a Buffer<uint4> over R32G32B32A32_UINT and a structured element of bool and int members read their integers.
// verdict: accepted
// probe: 2 1 5 -7
// group: resources
// buffer t0: typed r32g32b32a32_uint 1 : 1 2 3 4000000000
// buffer t1: structured 8 1 : 1 -7
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-buffer; a bool member of a structured buffer is 32 bits (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar: "bool: true or false", stored as a 32-bit value)
#include "resource_stages.hlsli"
struct Flags { bool enabled; int offset; };
Buffer<uint4> words : register(t0);
StructuredBuffer<Flags> flags : register(t1);
float4 PSMain() : SV_Target
{
    uint4 w = words[0];
    return float4(w.y, w.w == 4000000000u ? 1 : 0, flags[0].enabled ? 5 : 6, flags[0].offset);
}
