// Windows: extern, uniform and shared globals are constants of $Globals,
// packed in order; static ones are the shader's own and take no room.
// verdict: accepted
// probe: 0 1 2 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (extern: "Global variables are considered extern by default"; static: "not exposed outside the shader"; shared) and dx-graphics-hlsl-constants ($Globals)
#include "probe_stages.hlsli"
extern float e;
static float s = 5;
uniform float u;
shared float sh;
float4 PSMain() : SV_Target
{
    return float4(e, u, sh, s);
}
