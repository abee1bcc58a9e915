// Windows: Gather returns the red components of the four texels bilinear filtering would use, counter-clockwise from the lower left: (0,1), (1,1), (1,0), (0,0).
// verdict: accepted
// probe: 3 4 2 1
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-gather ("The four samples that would contribute to filtering are placed into xyzw in counter clockwise order starting with the sample to the lower left of the queried location")
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return heights.Gather(nearest, float2(0.5, 0.5));
}
