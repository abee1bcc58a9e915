// Windows: an array of textures indexed by a static const or a constant expression is indexed by a literal, as shader model 5.0 requires.
// verdict: accepted
// probe: 2 3 1 0
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// texture t2: 2d r32_float 1x1 : 3
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array of textures takes one register per element); fxc's X3512 for indexes that are no literal, quoted in DirectXShaderCompiler issue 592 ("Fxc rejects this with an error: error X3512: sampler array index must be a literal expression")
#include "resource_stages.hlsli"
Texture2D<float> maps[3] : register(t0);
static const int kMiddle = 1;
float4 PSMain() : SV_Target
{
    return float4(maps[kMiddle].Load(int3(0, 0, 0)), maps[kMiddle + 1].Load(int3(0, 0, 0)), maps[2 - 2][uint2(0, 0)], 0);
}
