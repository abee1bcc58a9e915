// Windows: a swizzle on the left of = writes the components it names, in its
// order; a vector assigned to a shorter one keeps its first components.
// verdict: accepted
// probe: 3 2 0.5 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (swizzles "on the left side of an assignment"; "implicit truncation" keeps the leading components)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 v = 0;
    v.zx = float2(position.x, 3);
    v.w = v.z * 2.0;
    float3 wide = float3(2, 9, 9);
    float2 narrow = (float2)wide;
    v.y = narrow.x;
    return v;
}
