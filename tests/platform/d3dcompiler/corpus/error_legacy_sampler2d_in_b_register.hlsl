// Windows: a sampler bound to a constant-buffer register.
// verdict: compile-error PSMain X3530
// group: refuse
// error text: sampler requires an 's' or 't' register
// source: fxc's "X3530: ... requires a 't' or 's' register" refusals of a register of the wrong class, as the compiler README's register checks quote them; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register (s for samplers, t for textures, b for constant buffers)
#include "probe_stages.hlsli"
sampler2D grid : register(b1);
float4 PSMain() : SV_Target
{
    return tex2D(grid, float2(0.5, 0.5));
}
