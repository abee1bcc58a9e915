// Windows: a global may carry a register per profile; compiling for ps_5_0
// takes the ps one, c2, and leaves the vs one aside.
// verdict: accepted
// probe: 8 9 10 11
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register ("You may add one or more register assignments to the same variable declaration"; "shader_profile: Optional shader profile, which can be a shader target or simply ps or vs"; the example "register( ps, s[2] ) : register( ps_5_0, s[0] ) : register( vs, s[8] )")
#include "probe_stages.hlsli"
float4 g : register(vs, c5) : register(ps, c2);
float4 PSMain() : SV_Target
{
    return g;
}
