// Windows: a TextureCubeArray's coordinate is a direction and a cube index (faces +X, -X, +Y, -Y, +Z, -Z of each cube in turn), and GetDimensions gives a face's size and the number of cubes.
// verdict: accepted
// probe: 7 6 9 112
// group: resources
// texture t0: cubearray r32_float 1x1 slices 12 : 1 2 3 4 5 6 7 8 9 10 11 12
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texturecubearray-samplelevel ("TextureCubeArray.SampleLevel(SamplerState, float4, float)"); texturecubearray-getdimensions ("GetDimensions(out UINT Width, out UINT Height, out UINT Elements)"); learn.microsoft.com/windows/win32/api/d3d12/ns-d3d12-d3d12_texcube_array_srv ("NumCubes: Number of cube textures in the array"); learn.microsoft.com/windows/win32/api/d3d11/ne-d3d11-d3d11_texturecube_face (the faces' order: POSITIVE_X, NEGATIVE_X, POSITIVE_Y, NEGATIVE_Y, POSITIVE_Z, NEGATIVE_Z)
#include "resource_stages.hlsli"
TextureCubeArray<float> cubes : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint width, height, elements;
    cubes.GetDimensions(width, height, elements);
    return float4(cubes.SampleLevel(nearest, float4(1, 0, 0, 1), 0), cubes.SampleLevel(nearest, float4(0, 0, -1, 0), 0), cubes.SampleLevel(nearest, float4(0, 1, 0, 1), 0), width * 100 + height * 10 + elements);
}
