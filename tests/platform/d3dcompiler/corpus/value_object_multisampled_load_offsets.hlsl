// Windows: a multisampled texture's Load takes an offset after the sample index; an offset that moves the texel off the texture reads 0.
// verdict: accepted
// probe: 3 0 5 0
// group: resources
// texture t0: 2dms r32g32b32a32_float 2x2 samples 4 : 3 5 7 9
// texture t1: 2dmsarray r32g32b32a32_float 2x2 samples 4 slices 2 : 3 5 7 9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2dms-load-int-int-int- ("Load(int2 Location, int SampleIndex, int2 Offset)"), texture2dmsarray-load-int-int-int- (int3 Location, the slice last); dx-graphics-hlsl-to-load ("zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> grid : register(t0);
Texture2DMSArray<float4, 4> layers : register(t1);
float4 PSMain() : SV_Target
{
    return float4(grid.Load(int2(0, 0), 1, int2(1, 1)).x, grid.Load(int2(1, 1), 0, int2(1, 0)).x, layers.Load(int3(0, 0, 1), 2, int2(1, 0)).y, layers.Load(int3(1, 0, 1), 3, int2(0, 2)).y);
}
