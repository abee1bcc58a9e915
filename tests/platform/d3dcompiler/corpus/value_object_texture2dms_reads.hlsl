// Windows: a Texture2DMS's Load takes a texel and a sample index, sample[s][texel] reads the same, GetDimensions gives the width, height and sample count, and GetSamplePosition the standard pattern's offset of a sample.
// verdict: accepted
// probe: 3 7 224 -0.125
// group: resources
// texture t0: 2dms r32g32b32a32_float 2x2 samples 4 : 3 5 7 9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2dms-load ("Load(int2 Location, int SampleIndex)"), sm5-object-texture2dms ("sample[SampleSlice][Location]"), texture2dms-getdimensions ("GetDimensions(out UINT Width, out UINT Height, out UINT NumberOfSamples)"), texture2dms-getsampleposition; learn.microsoft.com/windows/win32/api/d3d11/ne-d3d11-d3d11_standard_multisample_quality_levels (the standard pattern; 4 samples: (-2,-6), (6,-2), (-6,2), (2,6) in sixteenths of a pixel)
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> grid : register(t0);
float4 PSMain() : SV_Target
{
    uint width, height, samples;
    grid.GetDimensions(width, height, samples);
    return float4(grid.Load(int2(1, 1), 3).x, grid.sample[2][uint2(0, 1)].z, width * 100 + height * 10 + samples, grid.GetSamplePosition(0).x);
}
