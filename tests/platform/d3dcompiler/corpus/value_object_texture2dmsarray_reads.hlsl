// Windows: a Texture2DMSArray's Load takes (x, y, slice) and a sample index, and GetDimensions gives the width, height, slices and samples.
// verdict: accepted
// probe: 4 8 2 3224
// group: resources
// texture t0: 2dmsarray r32g32b32a32_float 3x2 slices 2 samples 4 : 4 6 8 2
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2dmsarray-load ("Load(int3 Location, int SampleIndex)"), texture2dmsarray-getdimensions ("GetDimensions(out UINT Width, out UINT Height, out UINT Elements, out UINT NumberOfSamples)")
#include "resource_stages.hlsli"
Texture2DMSArray<float4> layers : register(t0);
float4 PSMain() : SV_Target
{
    uint width, height, elements, samples;
    layers.GetDimensions(width, height, elements, samples);
    float4 texel = layers.Load(int3(2, 1, 1), 3);
    return float4(texel.x, texel.z, texel.w, width * 1000 + height * 100 + elements * 10 + samples);
}
