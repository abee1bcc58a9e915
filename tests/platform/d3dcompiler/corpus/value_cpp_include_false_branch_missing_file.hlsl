// Windows: an #include in a branch the condition leaves out is not opened,
// so a missing file there is no error.
// verdict: accepted
// probe: 6 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (lines of a false branch are not processed); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include
#include "probe_stages.hlsli"
#if 0
#include "no_such_file_anywhere.hlsli"
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(6, position.x, 0, position.w * 0.5);
}
