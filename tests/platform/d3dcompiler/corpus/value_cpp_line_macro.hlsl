// Windows: __LINE__ is the number of the line it stands on.
// verdict: accepted
// probe: 9 0.5 0 1
// group: preprocessor
// source: C99 6.10.8 (__LINE__, the current source line), which learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-preprocessor follows
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float line = __LINE__;
    return float4(line, position.x, 0, position.w * 0.5);
}
