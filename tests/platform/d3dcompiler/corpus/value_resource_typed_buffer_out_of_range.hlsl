// Windows: a Buffer element past the view's count reads 0.
// verdict: accepted
// probe: 9 0 0 7
// group: resources
// buffer t0: typed r32_uint 2 : 7 9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
Buffer<uint> counts : register(t0);
float4 PSMain() : SV_Target
{
    return float4(counts[1], counts.Load(2), counts[5], counts[0]);
}
