// Windows: lit() in an included file computes as in the main file:
// (1, max(n.l, 0), n.l < 0 or n.h < 0 ? 0 : pow(n.h, m), 1).
// verdict: accepted
// probe: 1 0.5 0.25 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-lit ("specular = ((n • l) < 0) || ((n • h) < 0) ? 0 : ((n • h) ^ m)") and dx-graphics-hlsl-appendix-pre-include (an included file's text is compiled as if it stood in place of the directive)
#include "probe_stages.hlsli"
#include "lighting.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    float4 lit1 = Lighting(half, half);
    float4 lit2 = lit(-half, half, 2.0);
    return float4(lit1.x, lit1.y, lit1.z, lit2.y + lit2.z);
}
