// Windows: #undef of a name no macro defines is ignored.
// verdict: accepted
// probe: 4 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-undef; C99 6.10.3.5 (#undef of a name that is no macro is ignored)
#include "probe_stages.hlsli"
#undef NEVER_DEFINED_NAME
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(4, position.x, 0, position.w * 0.5);
}
