// Windows: a bool2 packs as two 4-byte words; a word is true where nonzero.
// verdict: accepted
// probe: 0 1 2 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (bool: 32 bits)
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    bool2 flags;
    float after;
};
float4 PSMain() : SV_Target
{
    return float4(flags.x ? 1 : 0, flags.y ? 1 : 0, after, 0);
}
