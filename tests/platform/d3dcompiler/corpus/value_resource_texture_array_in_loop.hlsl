// Windows: a loop with constant bounds over an array of textures compiles at
// shader model 5.0, the compiler unrolling it so that each index is a literal.
// verdict: accepted
// probe: 6 0 0 0
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// texture t2: 2d r32_float 1x1 : 3
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array of resources takes consecutive registers; shader model 5.0 indexes it by a literal) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for ("unroll: Unroll the loop until it stops executing")
#include "resource_stages.hlsli"
Texture2D<float> layers[3] : register(t0);
float4 PSMain() : SV_Target
{
    float sum = 0;
    [unroll] for (int i = 0; i < 3; ++i)
    {
        sum += layers[i].Load(int3(0, 0, 0));
    }
    return float4(sum, 0, 0, 0);
}
