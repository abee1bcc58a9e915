// Windows: a texel of a one-component format read as float4 gives 0 for green and blue and 1 for alpha.
// verdict: accepted
// probe: 2 0 0 1
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load (the return type matches the object's declaration); learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion ("components missing from the format ... are set to 0, except alpha, which is set to 1")
#include "resource_stages.hlsli"
Texture2D<float4> heights : register(t0);
float4 PSMain() : SV_Target
{
    return heights.Load(int3(1, 0, 0));
}
