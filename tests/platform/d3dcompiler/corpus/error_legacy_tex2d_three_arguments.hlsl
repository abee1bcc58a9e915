// Windows: tex2D has forms of two and four arguments only.
// verdict: compile-error PSMain X3013
// group: refuse
// error text: 'tex2D': no matching 3 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d ("tex2D(s, t)") and dx-graphics-hlsl-tex2d-s-t-ddx-ddy ("tex2D(s, t, ddx, ddy)")
#include "probe_stages.hlsli"
sampler2D grid : register(s0);
float4 PSMain() : SV_Target
{
    return tex2D(grid, float2(0.5, 0.5), 1.0);
}
