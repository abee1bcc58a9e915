// Windows: a Texture2DMSArray's sample[s][location] takes the slice as the location's third component; the sample index may be computed, and a slice past the view's reads 0.
// verdict: accepted
// probe: 7 9 0 3
// group: resources
// texture t0: 2dmsarray r32g32b32a32_float 2x2 samples 4 slices 2 : 3 5 7 9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dmsarray ("sample[][]": the sample index, then a uint3 location with the array slice last); dx-graphics-hlsl-to-load ("zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
Texture2DMSArray<float4, 4> layers : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint chosen = (uint)position.x + 2;
    return float4(layers.sample[1][uint3(1, 0, 1)].z, layers.sample[chosen][uint3(0, 1, 0)].w, layers.sample[0][uint3(0, 0, 2)].x, layers.sample[3][uint3(1, 1, 1)].x);
}
