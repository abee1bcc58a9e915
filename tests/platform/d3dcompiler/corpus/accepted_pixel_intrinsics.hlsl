// Windows: what only a pixel shader may do: derivatives (coarse and fine),
// clip and discard.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-intrinsic-functions (ddx_coarse, ddx_fine, ddy_coarse, ddy_fine, fwidth, clip: pixel shaders)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    float2 slope = ddx_coarse(input.uv) + ddy_fine(input.uv) + fwidth(input.uv);
    clip(input.color.a - 0.01);
    if (slope.x > 100.0)
        discard;
    return input.color * 0.5 + float4(slope, 0, 0);
}
