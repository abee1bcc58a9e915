// Windows: a macro the main file defines, whose ## joins a number on its
// left, is expanded in a file the main file includes after the definition.
// verdict: accepted
// probe: 25 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (token-pasting operator ##) and dx-graphics-hlsl-appendix-pre-include; C99 6.10.3.3 (the joined tokens form one preprocessing number)
#include "probe_stages.hlsli"
#define MAIN_JOIN(a, b) a##b
#include "main_join_user.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(joined, position.x, 0, position.w * 0.5);
}
