// Windows: register(ps_5_0, c2) binds the global at c2 when compiling for
// ps_5_0.
// verdict: accepted
// probe: 8 9 10 11
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register ("register([shader_profile], Type#[subcomponent])": "shader_profile: Optional shader profile")
#include "probe_stages.hlsli"
float4 g : register(ps_5_0, c2);
float4 PSMain() : SV_Target
{
    return g;
}
