// Windows: a loop bounded by a static const is unrolled, so its counter indexes an array of
// textures as a literal at shader model 5.0.
// verdict: accepted
// probe: 3 0 0 1
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: DirectXShaderCompiler issue 4710 (fxc compiles a resource array indexed by a loop's counter where the loop is unrolled); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for
#include "resource_stages.hlsli"
static const uint kCount = 2;
Texture2D<float> maps[2] : register(t0);
float4 PSMain() : SV_Target
{
    float sum = 0;
    for (uint i = 0; i < kCount; ++i)
    {
        sum += maps[i].Load(int3(0, 0, 0));
    }
    return float4(sum, 0, 0, 1);
}
