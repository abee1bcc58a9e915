// Windows: an entry point's uniform parameter cannot be placed by packoffset.
// verdict: compile-error PSMain -
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset ("A uniform constant cannot be manually offset")
#include "probe_stages.hlsli"
float4 PSMain(uniform float4 tint : packoffset(c1)) : SV_Target
{
    return tint;
}
