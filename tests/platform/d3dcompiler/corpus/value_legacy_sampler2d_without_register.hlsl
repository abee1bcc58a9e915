// Windows: a sampler2D without a register is bound at s0, and the texture it
// stands for at t0.
// verdict: accepted
// probe: 1 0 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d; the first free register of each class is the one an unbound resource takes when it is the shader's only one
#include "resource_stages.hlsli"
sampler2D grid;
float4 PSMain() : SV_Target
{
    return float4(tex2D(grid, float2(0.25, 0.25)).x, 0, 0, 0);
}
